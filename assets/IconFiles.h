#pragma once

#include <string>
#include <vector>

namespace vork::assets {

// The window icon as a `size`-pixel PNG, transparent outside the tile. The
// size must be a whole multiple of the icon's, so every pixel stays a sharp
// square; std::invalid_argument otherwise.
std::vector<unsigned char> IconPng(int size);

// The window icon as a scalable SVG, with nothing drawn outside the tile.
std::string IconSvg();

}  // namespace vork::assets
