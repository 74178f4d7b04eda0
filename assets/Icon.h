#pragma once

#include "platform/Image.h"

namespace vork::assets {

inline constexpr int IconSize = 32;

// The window icon: the title's lettering on a rounded navy tile.
const platform::Image& Icon();

}  // namespace vork::assets
