#pragma once

#include "assets/PaletteArt.h"
#include "platform/Image.h"

namespace vork::assets {

inline constexpr int IconSize = 32;
// The tile's own colour, navy, within its blue rim.
inline constexpr platform::Rgb IconTileColour = VgaPalette[4];

// The window icon: the title's lettering on a rounded navy tile.
const platform::Image& Icon();

// Whether the icon's pixel at (x, y) belongs to the tile. The corners its
// rounding leaves out are background: black in the window icon, which has
// nothing behind it, transparent in the icon files a desktop shows.
bool IconTileCovers(int x, int y);

}  // namespace vork::assets
