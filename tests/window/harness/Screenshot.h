#pragma once

#include <optional>

#include "platform/Image.h"
#include "tests/window/harness/Geometry.h"
#include "tests/window/harness/WestonServer.h"

namespace vork::testing {

// The whole output as weston shows it, the pointer included, through
// weston-screenshooter; nullopt if it failed.
std::optional<platform::Image> TakeScreenshot(const WestonServer& weston);
// The part of `picture` inside `area`, which must lie within it.
platform::Image Crop(const platform::Image& picture, const Box& area);

}  // namespace vork::testing
