#include "tests/window/harness/Wine.h"

#include "tests/window/harness/ChildProcess.h"

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

void EndSession() {
    const std::vector<std::string> environment = Environment();
    RunChild({"/usr/lib/wine/wineserver", "--kill"}, environment, std::chrono::seconds(10), Discarded);
    RunChild({"/usr/lib/wine/wineserver", "--wait"}, environment, std::chrono::seconds(20), Discarded);
}

}  // namespace vork::testing::wine
