#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/Image.h"

namespace vork::platform {

// Where the channels sit in a 32-bit pixel of 8 bits a channel, and the
// bits every pixel has set besides (a padding byte some readers take for
// alpha).
struct PixelLayout {
    int RedShift;
    int GreenShift;
    int BlueShift;
    std::uint32_t Set = 0;
};

// Writes columns [left, right) of a picture row as scale x scale blocks of
// 32-bit pixels: `to` is the top-left pixel of column 0's block, `stride`
// the pixels from one line to the next.
void WriteBlocks(const Rgb* row, int left, int right, std::uint32_t* to, std::ptrdiff_t stride, int scale,
                 const PixelLayout& layout);

}  // namespace vork::platform
