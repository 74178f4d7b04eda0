#pragma once

#include <optional>

#include "platform/Image.h"
#include "tests/window/harness/BusConnection.h"
#include "tests/window/harness/Geometry.h"

namespace vork::testing {

// What KWin's output shows of `area`, without the pointer, through its
// screenshot service on `bus` (org.kde.KWin.ScreenShot2); nullopt if KWin
// refused or failed.
std::optional<platform::Image> CaptureArea(BusConnection& bus, const Box& area);

}  // namespace vork::testing
