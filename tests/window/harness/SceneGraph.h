#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tests/window/harness/Geometry.h"
#include "tests/window/harness/WestonServer.h"

// What weston's compositor holds, from its scene-graph debug stream.
namespace vork::testing {

struct SceneView {
    std::string Role;   // "xdg_toplevel", "wl_subsurface", "wl_pointer-cursor", "(null)"...
    pid_t Pid = 0;      // the client's
    std::string Label;  // "top-level window 'vorK' of vork", "sub-surface", "cursor"...
    Box Area;           // where it lies on the output
};

// Every view, layer by layer from the top down; the views of a surface's
// sub-surfaces follow the surface's own.
std::vector<SceneView> ParseSceneGraph(std::string_view text);
// What `weston-debug scene-graph` reports now; nullopt if it could not be read.
std::optional<std::vector<SceneView>> ReadSceneGraph(const WestonServer& weston);

// The top-level window of the client `pid`, if the scene shows one.
std::optional<SceneView> ToplevelOf(const std::vector<SceneView>& scene, pid_t pid);

// A toplevel's title and application id, from its label.
struct ToplevelName {
    std::string Title;
    std::string AppId;
};
std::optional<ToplevelName> NameOfToplevel(const SceneView& view);

}  // namespace vork::testing
