#pragma once

#include <cstdint>

#include "platform/Image.h"

namespace vork::platform {

// The three raster operations the table is drawn with, by their classic codes.
enum class RasterOp : std::uint32_t {
    SRCAND = 0x8800C6,     // destination AND source
    SRCINVERT = 0x660046,  // destination XOR source
    SRCCOPY = 0xCC0020,    // source replaces destination
};

// Copies a width x height rectangle of `source` at (sourceX, sourceY) onto
// `destination` at (x, y). Only pixels that lie inside both pictures are
// touched: a rectangle reaching past either edge is clipped, never wrapped.
void BitBlt(Image& destination, int x, int y, int width, int height,
            const Image& source, int sourceX, int sourceY, RasterOp op);

}  // namespace vork::platform
