#pragma once

#include "assets/Png.h"
#include "platform/Image.h"

#include <string>

namespace vork::assets {

// An SVG that draws every covered pixel of `image` as a unit square, so it
// scales without blurring. Same-coloured runs in a row, and identical runs in
// the rows below them, merge into one rectangle; each colour is one path.
std::string PixelSvg(const platform::Image& image, const Coverage& covers);

}  // namespace vork::assets
