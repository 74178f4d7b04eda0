#include <cstdint>
#include <stdexcept>
#include <string>

#include "assets/ByteWriter.h"
#include "assets/IconFiles.h"

namespace vork::assets {
namespace {

// A BITMAPINFOHEADER of twice the height (the colours, then the mask), BGRA
// rows bottom-up, then the mask's rows of bits, 1 where the picture is
// transparent, each row padded to 32 bits.
std::vector<unsigned char> IconBitmap(int size) {
    const platform::Image icon = ScaledIcon(size);
    const int maskRowBytes = (size + 31) / 32 * 4;
    ByteWriter out;
    out.U32(40);
    out.I32(size);
    out.I32(2 * size);
    out.U16(1);   // planes
    out.U16(32);  // bits per pixel
    out.U32(0);   // uncompressed
    out.U32(static_cast<std::uint32_t>(size * size * 4 + maskRowBytes * size));
    for (int field = 0; field < 4; ++field) {
        out.U32(0);  // resolution and palette: none
    }
    for (int y = size - 1; y >= 0; --y) {
        for (int x = 0; x < size; ++x) {
            const platform::Rgb c = icon.At(x, y);
            out.U8(c.B);
            out.U8(c.G);
            out.U8(c.R);
            out.U8(ScaledIconCovers(x, y, size) ? 255 : 0);
        }
    }
    for (int y = size - 1; y >= 0; --y) {
        std::vector<unsigned char> row(static_cast<std::size_t>(maskRowBytes), 0);
        for (int x = 0; x < size; ++x) {
            if (!ScaledIconCovers(x, y, size)) {
                row[static_cast<std::size_t>(x / 8)] |= static_cast<unsigned char>(0x80 >> (x % 8));
            }
        }
        out.Append(row);
    }
    return out.Take();
}

}  // namespace

std::vector<unsigned char> IconIco(const std::vector<int>& sizes) {
    std::vector<std::vector<unsigned char>> pictures;
    for (const int size : sizes) {
        if (size < 1 || size > 256) {
            throw std::invalid_argument("an .ico picture cannot be " + std::to_string(size) + " pixels");
        }
        pictures.push_back(size == 256 ? IconPng(size) : IconBitmap(size));
    }
    ByteWriter out;
    out.U16(0);
    out.U16(1);  // an icon, not a cursor
    out.U16(static_cast<std::uint16_t>(sizes.size()));
    auto offset = static_cast<std::uint32_t>(6 + 16 * sizes.size());
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        const auto side = static_cast<std::uint8_t>(sizes[i] % 256);  // 0 means 256
        out.U8(side);
        out.U8(side);
        out.U16(0);  // no palette
        out.U16(1);  // planes
        out.U16(32);
        out.U32(static_cast<std::uint32_t>(pictures[i].size()));
        out.U32(offset);
        offset += static_cast<std::uint32_t>(pictures[i].size());
    }
    for (const auto& picture : pictures) {
        out.Append(picture);
    }
    return out.Take();
}

}  // namespace vork::assets
