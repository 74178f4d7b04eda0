#pragma once

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "tests/window/harness/GameProcess.h"

// Windows programs under Debian's Wine, in the one prefix a test run makes
// (tests/wine/make-prefix.sh, a CTest fixture).
namespace vork::testing::wine {

// Debian keeps wine64 and the wineserver off the PATH.
inline const std::string Wine64 = "/usr/lib/wine/wine64";
inline const std::string WineServer = "/usr/lib/wine/wineserver";

// Where the run's prefix is: VORK_WINE_PREFIX.
std::string Prefix();
// `commandLine` (a Windows program, by its Unix or Windows path, and its
// arguments) under wine64 in the run's prefix, with Wine's own messages off.
Launch Under(std::vector<std::string> commandLine);
// Runs `commandLine` under Wine to its end: its status, or nullopt if it
// was killed or overran `timeout`.
std::optional<int> Run(std::vector<std::string> commandLine, std::chrono::milliseconds timeout);

// The wineserver of the run's prefix, once a program has started it.
std::optional<pid_t> ServerPid();

// Ends whatever Wine still runs in the prefix (its desktop process, its
// services) and waits until the wineserver has gone: those belong to one X
// server, and the next test brings its own.
void EndSession();

}  // namespace vork::testing::wine
