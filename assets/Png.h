#pragma once

#include "platform/Image.h"

#include <functional>
#include <vector>

namespace vork::assets {

// Whether the pixel at (x, y) is drawn; where it is not, a PNG is transparent.
using Coverage = std::function<bool(int x, int y)>;

// How a PNG holds its colours: each pixel's own (RGB, or RGBA with a
// coverage), or an index into a palette of the picture's colours, with one
// transparent entry when a coverage leaves pixels out. Indexed pictures take
// as few bits a pixel as their palette needs: a fraction of the bytes for
// flat art, which is what the icons are.
enum class PngColours { Direct, Indexed };

// An 8-bit PNG of `image`. It holds the pixels and nothing else (no time,
// gamma or text), so the same picture always gives the same bytes. Throws
// std::invalid_argument for an empty image, or an indexed one of more than
// 256 colours.
std::vector<unsigned char> EncodePng(const platform::Image& image, const Coverage& covers = {},
                                     PngColours colours = PngColours::Direct);

}  // namespace vork::assets
