#pragma once

#include "assets/SheetLayout.h"
#include "platform/Image.h"

#include <span>

namespace vork::assets {

// The sprite sheet (SheetWidth x SheetHeight), decoded from the embedded
// sprites.bmp on first use.
const platform::Image& SpriteSheet();

// The embedded sprites.bmp, byte for byte.
std::span<const unsigned char> SpriteSheetBmp();

}  // namespace vork::assets
