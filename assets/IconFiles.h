#pragma once

#include <string>
#include <vector>

#include "assets/Png.h"
#include "platform/Image.h"

namespace vork::assets {

// The window icon at `size` pixels, nearest-neighbour: each pixel takes the
// colour of the icon pixel it falls in.
platform::Image ScaledIcon(int size);
// Whether pixel (x, y) of the icon scaled to `size` belongs to the tile.
bool ScaledIconCovers(int x, int y, int size);

// The window icon as a `size`-pixel PNG, transparent outside the tile. The
// size must be a whole multiple of the icon's, so every pixel stays a sharp
// square; std::invalid_argument otherwise.
std::vector<unsigned char> IconPng(int size, PngColours colours = PngColours::Direct);

// The window icon for a launcher that cuts icons to its own shape (a circle,
// a squircle): `size` pixels filled with the tile's navy, the whole tile in the
// middle at the largest whole scale that keeps it inside the circle of four
// fifths of the size, which every such shape leaves whole.
platform::Image MaskableIcon(int size);

// The window icon as a Windows .ico file, one picture for each of `sizes`
// (1 to 256) scaled as ScaledIcon, transparent outside the tile: 32-bit
// bitmaps with their mask, and a PNG for 256, as Windows keeps them.
// std::invalid_argument for a size out of that range.
std::vector<unsigned char> IconIco(const std::vector<int>& sizes);

// The window icon as a scalable SVG, with nothing drawn outside the tile.
std::string IconSvg();

}  // namespace vork::assets
