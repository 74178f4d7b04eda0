#include "tests/window/harness/WestonServer.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "tests/window/harness/ChildProcess.h"
#include "tests/window/harness/Deadline.h"
#include "tests/window/harness/TextFile.h"
#include "tests/window/harness/SceneGraph.h"

namespace vork::testing {
namespace {

constexpr const char* SocketName = "wayland-vork-test";

std::string HexColour(platform::Rgb c) {
    char text[16];
    std::snprintf(text, sizeof text, "0xff%02x%02x%02x", c.R, c.G, c.B);
    return text;
}

// No panel (its clock would change the picture), no start-up fade, no
// on-screen keyboard client: only what the test's clients draw changes.
void WriteConfig(const std::string& path) {
    std::ofstream(path) << "[shell]\n"
                        << "panel-position=none\n"
                        << "background-color=" << HexColour(WestonServer::Background) << "\n"
                        << "startup-animation=none\n"
                        << "[input-method]\n"
                        << "path=\n";
}

}  // namespace

WestonServer::WestonServer(const XvfbServer& x, int scale)
    : WestonServer({"--backend=x11-backend.so", "--scale=" + std::to_string(scale)}, {"DISPLAY=" + x.DisplayName()},
                   scale) {}

WestonServer::WestonServer(WithoutSeat) : WestonServer({"--backend=headless-backend.so"}, {}, 1) {}

WestonServer::WestonServer(const std::vector<std::string>& backend, std::vector<std::string> environment, int scale)
    : folder_("vork-weston"), scale_(scale) {
    const std::string config = PrivatePath("weston.ini");
    WriteConfig(config);
    environment.push_back("XDG_RUNTIME_DIR=" + folder_.Path());
    std::vector<std::string> argv{"weston", "--use-pixman", "--debug", "--idle-time=0",
                                  "--width=" + std::to_string(OutputSize.X), "--height=" + std::to_string(OutputSize.Y),
                                  std::string("--socket=") + SocketName, "--config=" + config,
                                  "--log=" + PrivatePath("weston.log")};
    argv.insert(argv.begin() + 1, backend.begin(), backend.end());
    pid_ = SpawnChild(argv, environment, -1, Discarded);
    if (!WaitUntil([this] { return IsReady(); }, 10s, 20ms)) {
        const std::string told = ReadPrivateFile("weston.log");
        StopChild(pid_);
        throw std::runtime_error("weston did not start (is it installed?); its log:\n" + told);
    }
}

WestonServer::~WestonServer() { StopChild(pid_); }

std::vector<std::string> WestonServer::ClientEnvironment() const {
    return {std::string("WAYLAND_DISPLAY=") + SocketName, "XDG_RUNTIME_DIR=" + folder_.Path()};
}

bool WestonServer::RunClient(const std::vector<std::string>& argv,
                             const std::vector<std::string>& extraEnvironment) const {
    std::vector<std::string> environment = ClientEnvironment();
    environment.insert(environment.end(), extraEnvironment.begin(), extraEnvironment.end());
    return RunChild(argv, environment, 10s, Discarded) == 0;
}

std::string WestonServer::PrivatePath(std::string_view name) const { return folder_.Inside(name); }

std::string WestonServer::ReadPrivateFile(std::string_view name) const { return ReadTextFile(PrivatePath(name)); }

bool WestonServer::IsReady() const {
    // Ready once the shell's client has put up the background: before that a
    // screenshot would show whatever the output held.
    const auto scene = ReadSceneGraph(*this);
    return scene && std::any_of(scene->begin(), scene->end(), [](const SceneView& view) {
               return view.Label.starts_with("background for output");
           });
}

}  // namespace vork::testing
