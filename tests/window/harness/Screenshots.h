#pragma once

#include <string>

#include "platform/Image.h"

namespace vork::testing {

// Keeps `shot` as <build>/screenshots/<name>.png, the pictures a release
// publishes beside its AppStream metadata. False if it could not be written.
bool SaveScreenshot(const platform::Image& shot, const std::string& name);

}  // namespace vork::testing
