#include "tests/window/harness/SceneGraph.h"

#include <filesystem>
#include <regex>
#include <sstream>

namespace vork::testing {

std::vector<SceneView> ParseSceneGraph(std::string_view text) {
    // "\tView 2 (role wl_subsurface, PID 812, surface ID 34, sub-surface, 0x55b5904bb5c0):"
    // then, one tab deeper, "position: (159, 51) -> (447, 458)"; an output's
    // own position line is only one tab in.
    static const std::regex header(R"(^\tView \d+ \(role (.*?), PID (\d+), surface ID \d+, (.*), 0x[0-9a-f]+\):$)");
    static const std::regex position(R"(^\t\tposition: \((-?\d+), (-?\d+)\) -> \((-?\d+), (-?\d+)\)$)");
    std::vector<SceneView> views;
    std::istringstream lines{std::string(text)};
    std::smatch match;
    for (std::string line; std::getline(lines, line);) {
        if (std::regex_match(line, match, header)) {
            views.push_back({match[1], static_cast<pid_t>(std::stol(match[2])), match[3], {}});
        } else if (!views.empty() && std::regex_match(line, match, position)) {
            views.back().Area = {std::stoi(match[1]), std::stoi(match[2]), std::stoi(match[3]), std::stoi(match[4])};
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

std::optional<ToplevelName> NameOfToplevel(const SceneView& view) {
    static const std::regex label("^top-level window '(.*)' of (.*)$");
    std::smatch match;
    if (view.Role != "xdg_toplevel" || !std::regex_match(view.Label, match, label)) {
        return std::nullopt;
    }
    return ToplevelName{match[1], match[2]};
}

}  // namespace vork::testing
