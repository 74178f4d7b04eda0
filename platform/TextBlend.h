#pragma once

#include <cstdint>

#include "platform/Image.h"

namespace vork::platform {

// Paints a rasterized line of text onto `picture`: each pixel moves from its
// colour towards `colour` by its glyph coverage (0 leaves it untouched, 255
// replaces it). `coverage` holds height rows of width bytes, `pitch` apart.
// Pixels outside the picture are skipped.
void BlendCoverage(Image& picture, int x, int y, const std::uint8_t* coverage, int width, int height, int pitch,
                   Rgb colour);

}  // namespace vork::platform
