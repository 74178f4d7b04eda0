#include "tests/window/harness/Wine.h"

#include <filesystem>
#include <string>

#include "tests/window/harness/ChildProcess.h"
#include "tests/window/harness/TextFile.h"

namespace vork::testing::wine {
namespace {

std::vector<std::string> Environment() {
    // No Mono or Gecko to offer to install, no "fixme" lines: a test counts
    // any output of the game as a fault.
    return {"WINEPREFIX=" + Prefix(), "WINEDLLOVERRIDES=mscoree,mshtml=", "WINEDEBUG=-all"};
}

}  // namespace

std::string Prefix() { return VORK_WINE_PREFIX; }

Launch Under(std::vector<std::string> commandLine) {
    commandLine.insert(commandLine.begin(), Wine64);
    return Launch{commandLine, Environment()};
}

std::optional<int> Run(std::vector<std::string> commandLine, std::chrono::milliseconds timeout) {
    const Launch launch = Under(std::move(commandLine));
    return RunChild(launch.Command, launch.Environment, timeout, Discarded);
}

std::optional<pid_t> ServerPid() {
    const std::string ours = "WINEPREFIX=" + Prefix();
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        std::error_code error;
        const auto program = std::filesystem::read_symlink(entry.path() / "exe", error);
        if (error || program.filename().string().rfind("wineserver", 0) != 0) {
            continue;
        }
        // Its environment: NUL-separated variables, ours among them.
        const std::string environment = ReadTextFile(entry.path() / "environ");
        if (environment.find('\0' + ours + '\0') != std::string::npos || environment.rfind(ours + '\0', 0) == 0) {
            return static_cast<pid_t>(std::stol(entry.path().filename().string()));
        }
    }
    return std::nullopt;
}

void EndSession() {
    const std::vector<std::string> environment = Environment();
    RunChild({WineServer, "--kill"}, environment, std::chrono::seconds(10), Discarded);
    RunChild({WineServer, "--wait"}, environment, std::chrono::seconds(20), Discarded);
}

}  // namespace vork::testing::wine
