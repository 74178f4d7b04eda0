#include "platform/BitBlt.h"

#include <algorithm>

namespace vork::platform {
namespace {

Rgb Combine(Rgb dst, Rgb src, RasterOp op) {
    switch (op) {
        case RasterOp::SRCAND:
            return {static_cast<std::uint8_t>(dst.R & src.R), static_cast<std::uint8_t>(dst.G & src.G),
                    static_cast<std::uint8_t>(dst.B & src.B)};
        case RasterOp::SRCINVERT:
            return {static_cast<std::uint8_t>(dst.R ^ src.R), static_cast<std::uint8_t>(dst.G ^ src.G),
                    static_cast<std::uint8_t>(dst.B ^ src.B)};
        case RasterOp::SRCCOPY:
            return src;
    }
    return dst;
}

}  // namespace

void BitBlt(Image& destination, int x, int y, int width, int height,
            const Image& source, int sourceX, int sourceY, RasterOp op) {
    // Offsets (i, j) into the rectangle that land inside both pictures.
    const int firstI = std::max({0, -x, -sourceX});
    const int firstJ = std::max({0, -y, -sourceY});
    const int endI = std::min({width, destination.Width() - x, source.Width() - sourceX});
    const int endJ = std::min({height, destination.Height() - y, source.Height() - sourceY});
    if (firstI >= endI || firstJ >= endJ) {
        return;
    }
    for (int j = firstJ; j < endJ; ++j) {
        Rgb* dst = destination.Row(y + j) + x;
        const Rgb* src = source.Row(sourceY + j) + sourceX;
        for (int i = firstI; i < endI; ++i) {
            dst[i] = Combine(dst[i], src[i], op);
        }
    }
    destination.Touch();
}

}  // namespace vork::platform
