#include "tests/window/harness/HeadlessCompositor.h"

#include <filesystem>
#include <stdexcept>

#include "tests/window/harness/ChildProcess.h"
#include "tests/window/harness/Deadline.h"
#include "tests/window/harness/TextFile.h"

namespace vork::testing {

HeadlessCompositor::HeadlessCompositor(std::string_view name, std::vector<std::string> argv,
                                       std::vector<std::string> environment)
    : folder_("vork-" + std::string(name)), bus_(folder_) {
    for (std::string& arg : argv) {
        if (arg == "{socket}") {
            arg = Socket;
        }
    }
    environment.insert(environment.end(),
                       {"XDG_RUNTIME_DIR=" + folder_.Path(), "XDG_CONFIG_HOME=" + folder_.Inside("config"),
                        "XDG_CACHE_HOME=" + folder_.Inside("cache"), "XDG_DATA_HOME=" + folder_.Inside("data"),
                        bus_.Variable(), "WAYLAND_DISPLAY=", "DISPLAY="});
    pid_ = SpawnChild(argv, environment, -1, folder_.Inside("log"));
    if (!WaitUntil([this] { return std::filesystem::exists(SocketPath()); }, 20s, 10ms)) {
        const std::string told = Log();
        StopChild(pid_);
        throw std::runtime_error(std::string(name) + " did not start (is it installed?); its log:\n" + told);
    }
}

HeadlessCompositor::~HeadlessCompositor() { StopChild(pid_); }

std::vector<std::string> HeadlessCompositor::ClientEnvironment() const {
    return {"WAYLAND_DISPLAY=" + std::string(Socket), "XDG_RUNTIME_DIR=" + folder_.Path()};
}

std::string HeadlessCompositor::Log() const { return ReadTextFile(folder_.Inside("log")); }

}  // namespace vork::testing
