#pragma once

#include <cstdint>

#include "platform/Image.h"

namespace vork::platform::web {

// Copies `area` of `picture` into `rgba`, a picture of the same size in the
// page's layout, 8-bit RGBA; the alpha bytes are left as they are.
void ToRgba(const Image& picture, const PixelRect& area, std::uint8_t* rgba);

}  // namespace vork::platform::web
