#pragma once

#include "platform/SdlFont.h"

namespace vork::testing {

// The desktops' lettering: SDL_ttf, the game's face whole.
using TargetFont = platform::SdlFont;

}  // namespace vork::testing
