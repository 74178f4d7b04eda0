#pragma once

#include "platform/Image.h"

namespace vork::assets {

// Draws the sprite sheet from its shapes. The game ships the result as
// sprites.bmp; this is what make_sprite_sheet writes there.
platform::Image BuildSpriteSheet();

}  // namespace vork::assets
