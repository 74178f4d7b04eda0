#pragma once

#include "platform/Image.h"

#include <functional>
#include <vector>

namespace vork::assets {

// Whether the pixel at (x, y) is drawn; where it is not, a PNG is transparent.
using Coverage = std::function<bool(int x, int y)>;

// An 8-bit PNG of `image`: RGB, or RGBA when `covers` is given. It holds the
// pixels and nothing else (no time, gamma or text), so the same picture always
// gives the same bytes. Throws std::invalid_argument for an empty image.
std::vector<unsigned char> EncodePng(const platform::Image& image, const Coverage& covers = {});

}  // namespace vork::assets
