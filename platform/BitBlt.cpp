#include "platform/BitBlt.h"

#include <algorithm>
#include <cstring>

namespace vork::platform {
namespace {

// The operations work byte by byte on packed pixels, which the compiler
// turns into wide vector instructions.
void CombineRow(std::uint8_t* dst, const std::uint8_t* src, std::size_t bytes, RasterOp op) {
    switch (op) {
        case RasterOp::SRCAND:
            for (std::size_t i = 0; i < bytes; ++i) dst[i] &= src[i];
            return;
        case RasterOp::SRCINVERT:
            for (std::size_t i = 0; i < bytes; ++i) dst[i] ^= src[i];
            return;
        case RasterOp::SRCCOPY:
            std::memcpy(dst, src, bytes);
            return;
    }
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
    const std::size_t bytes = static_cast<std::size_t>(endI - firstI) * sizeof(Rgb);
    for (int j = firstJ; j < endJ; ++j) {
        auto* dst = reinterpret_cast<std::uint8_t*>(destination.Row(y + j) + x + firstI);
        const auto* src = reinterpret_cast<const std::uint8_t*>(source.Row(sourceY + j) + sourceX + firstI);
        CombineRow(dst, src, bytes, op);
    }
    destination.Touch({x + firstI, y + firstJ, x + endI, y + endJ});
}

}  // namespace vork::platform
