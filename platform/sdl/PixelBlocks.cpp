#include "platform/sdl/PixelBlocks.h"

#include <algorithm>

namespace vork::platform {

void WriteBlocks(const Rgb* row, int left, int right, std::uint32_t* to, std::ptrdiff_t stride, int scale,
                 const PixelLayout& layout) {
    for (int x = left; x < right; ++x) {
        const Rgb c = row[x];
        const std::uint32_t pixel = std::uint32_t{c.R} << layout.RedShift | std::uint32_t{c.G} << layout.GreenShift |
                                    std::uint32_t{c.B} << layout.BlueShift | layout.Set;
        std::uint32_t* block = to + static_cast<std::ptrdiff_t>(x) * scale;
        for (int dy = 0; dy < scale; ++dy) {
            std::fill_n(block + dy * stride, scale, pixel);
        }
    }
}

}  // namespace vork::platform
