#include "tests/window/harness/SceneGraph.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <sstream>

namespace vork::testing {

namespace {

// The text between `before` and the next `after` from `from` on, moving
// `from` past it; nullopt if either is missing.
std::optional<std::string> Between(const std::string& line, std::size_t& from, std::string_view before,
                                   std::string_view after) {
    const std::size_t start = line.find(before, from);
    if (start == std::string::npos) {
        return std::nullopt;
    }
    const std::size_t end = line.find(after, start + before.size());
    if (end == std::string::npos) {
        return std::nullopt;
    }
    from = end;
    return line.substr(start + before.size(), end - start - before.size());
}

// "\tView 2 (role wl_subsurface, PID 812, surface ID 34, sub-surface, 0x55b5904bb5c0):"
std::optional<SceneView> ParseViewHeader(const std::string& line) {
    if (!line.starts_with("\tView ") || !line.ends_with("):")) {
        return std::nullopt;
    }
    std::size_t at = 0;
    const auto role = Between(line, at, "(role ", ", PID ");
    const auto pid = Between(line, at, ", PID ", ", surface ID ");
    const auto surface = Between(line, at, ", surface ID ", ", ");
    const std::size_t address = line.rfind(", 0x");
    if (!role || !pid || !surface || address == std::string::npos || address < at + 2) {
        return std::nullopt;
    }
    return SceneView{*role, static_cast<pid_t>(std::stol(*pid)), line.substr(at + 2, address - at - 2), {}};
}

}  // namespace

std::vector<SceneView> ParseSceneGraph(std::string_view text) {
    // After each view's header, one tab deeper, "position: (159, 51) -> (447, 458)";
    // an output's own position line is only one tab in.
    std::vector<SceneView> views;
    std::istringstream lines{std::string(text)};
    for (std::string line; std::getline(lines, line);) {
        Box area;
        if (auto view = ParseViewHeader(line)) {
            views.push_back(*view);
        } else if (!views.empty() && line.starts_with("\t\tposition: ") &&
                   std::sscanf(line.c_str(), "\t\tposition: (%d, %d) -> (%d, %d)", &area.Left, &area.Top,
                               &area.Right, &area.Bottom) == 4) {
            views.back().Area = area;
        }
    }
    return views;
}

std::optional<std::vector<SceneView>> ReadSceneGraph(const WestonServer& weston) {
    // weston-debug adds to the file it is given.
    constexpr std::string_view File = "scene-graph.txt";
    std::filesystem::remove(weston.PrivatePath(File));
    if (!weston.RunClient({"weston-debug", "--output", weston.PrivatePath(File), "scene-graph"})) {
        return std::nullopt;
    }
    return ParseSceneGraph(weston.ReadPrivateFile(File));
}

std::optional<SceneView> ToplevelOf(const std::vector<SceneView>& scene, pid_t pid) {
    const auto found = std::find_if(scene.begin(), scene.end(), [pid](const SceneView& view) {
        return view.Pid == pid && view.Role == "xdg_toplevel";
    });
    return found == scene.end() ? std::nullopt : std::optional(*found);
}

std::optional<ToplevelName> NameOfToplevel(const SceneView& view) {
    // "top-level window 'vorK' of io.github.vorkgame.Vork"
    constexpr std::string_view Prefix = "top-level window '";
    const std::size_t of = view.Label.rfind("' of ");
    if (view.Role != "xdg_toplevel" || !view.Label.starts_with(Prefix) || of == std::string::npos ||
        of < Prefix.size()) {
        return std::nullopt;
    }
    return ToplevelName{view.Label.substr(Prefix.size(), of - Prefix.size()), view.Label.substr(of + 5)};
}

}  // namespace vork::testing
