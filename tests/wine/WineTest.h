#pragma once

#include <string>

#include "tests/window/WindowTest.h"
#include "tests/window/harness/Wine.h"

namespace vork::testing {

// A file of the Windows build the tests were given (VORK_WINDOWS_BUILD).
inline std::string WindowsBuild(const std::string& file) { return std::string(VORK_WINDOWS_BUILD) + "/" + file; }

// Ends the Wine session when it goes. As a base class named before
// WindowTest it goes after the test's game and X server.
struct WineSession {
    WineSession() = default;
    WineSession(const WineSession&) = delete;
    WineSession& operator=(const WineSession&) = delete;
    ~WineSession() { wine::EndSession(); }
};

// Each test gets its own X server and the Windows build of the game on it,
// under Wine: by default vork.exe itself, or as `launch` says.
class WineTest : private WineSession, public WindowTest {
protected:
    WineTest() : WineTest(wine::Under({WindowsBuild("vork.exe")})) {}
    // Wine starts its services and desktop process with the first program.
    explicit WineTest(const Launch& launch) : WindowTest(launch, 30s) {}
};

}  // namespace vork::testing
