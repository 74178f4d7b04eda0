#pragma once

#include <string>

#include "tests/window/harness/XConnection.h"

// What a desktop's settings daemon would set on the X server.
namespace vork::testing {

// Replaces the server's resource database (as `xrdb` does), e.g. with
// "Xft.dpi:\t192\n" for a screen of twice the usual density. Programs read
// it as they connect.
void SetResources(XConnection& x, const std::string& resources);

// The screensaver comes on after `seconds` without input.
void SetScreenSaverTimeout(XConnection& x, int seconds);
bool ScreenSaverShowing(XConnection& x);

}  // namespace vork::testing
