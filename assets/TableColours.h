#pragma once

#include "assets/PaletteArt.h"

namespace vork::assets {

// The table's colours: the felt the picture is cleared to, and the lettering
// printed on it. The web app's manifest takes its colours from here too.
inline constexpr platform::Rgb TableFelt = VgaPalette[8];        // grey
inline constexpr platform::Rgb TableLettering = VgaPalette[15];  // white

}  // namespace vork::assets
