#include "assets/IconFiles.h"
#include "assets/Png.h"

#include <cstdint>
#include <stdexcept>
#include <string>

namespace vork::assets {
namespace {

// Windows' files are little-endian. At most 4 bytes.
void Put(std::vector<unsigned char>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<unsigned char>(value >> (8 * i)));
    }
}

// A BITMAPINFOHEADER of twice the height (the colours, then the mask), BGRA
// rows bottom-up, then the mask's rows of bits, 1 where the picture is
// transparent, each row padded to 32 bits.
std::vector<unsigned char> IconBitmap(int size) {
    const platform::Image icon = ScaledIcon(size);
    const int maskRowBytes = (size + 31) / 32 * 4;
    const auto pixelBytes = static_cast<std::uint32_t>(size * size * 4 + maskRowBytes * size);
    std::vector<unsigned char> out;
    Put(out, 40, 4);
    Put(out, static_cast<std::uint32_t>(size), 4);
    Put(out, static_cast<std::uint32_t>(2 * size), 4);
    Put(out, 1, 2);   // planes
    Put(out, 32, 2);  // bits per pixel
    Put(out, 0, 4);   // uncompressed
    Put(out, pixelBytes, 4);
    out.insert(out.end(), 16, 0);  // resolution and palette: none
    for (int y = size - 1; y >= 0; --y) {
        for (int x = 0; x < size; ++x) {
            const platform::Rgb c = icon.At(x, y);
            out.insert(out.end(), {c.B, c.G, c.R, static_cast<unsigned char>(ScaledIconCovers(x, y, size) ? 255 : 0)});
        }
    }
    for (int y = size - 1; y >= 0; --y) {
        std::vector<unsigned char> row(static_cast<std::size_t>(maskRowBytes), 0);
        for (int x = 0; x < size; ++x) {
            if (!ScaledIconCovers(x, y, size)) {
                row[static_cast<std::size_t>(x / 8)] |= static_cast<unsigned char>(0x80 >> (x % 8));
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

}  // namespace

std::vector<unsigned char> IconIco(const std::vector<int>& sizes) {
    std::vector<std::vector<unsigned char>> pictures;
    for (const int size : sizes) {
        if (size < 1 || size > 256) {
            throw std::invalid_argument("an .ico picture cannot be " + std::to_string(size) + " pixels");
        }
        pictures.push_back(size == 256
                               ? EncodePng(ScaledIcon(size), [](int x, int y) { return ScaledIconCovers(x, y, 256); })
                               : IconBitmap(size));
    }
    std::vector<unsigned char> out;
    Put(out, 0, 2);
    Put(out, 1, 2);  // an icon, not a cursor
    Put(out, static_cast<std::uint32_t>(sizes.size()), 2);
    auto offset = static_cast<std::uint32_t>(6 + 16 * sizes.size());
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        const auto side = static_cast<std::uint32_t>(sizes[i] % 256);  // 0 means 256
        Put(out, side, 1);
        Put(out, side, 1);
        Put(out, 0, 2);  // no palette
        Put(out, 1, 2);  // planes
        Put(out, 32, 2);
        Put(out, static_cast<std::uint32_t>(pictures[i].size()), 4);
        Put(out, offset, 4);
        offset += static_cast<std::uint32_t>(pictures[i].size());
    }
    for (const auto& picture : pictures) {
        out.insert(out.end(), picture.begin(), picture.end());
    }
    return out;
}

}  // namespace vork::assets
