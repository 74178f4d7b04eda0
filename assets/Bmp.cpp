#include "assets/Bmp.h"

#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>

#include "assets/ByteWriter.h"

namespace vork::assets {

namespace {

constexpr std::size_t FileHeaderSize = 14;
constexpr std::size_t InfoHeaderSize = 40;
constexpr std::size_t HeadersSize = FileHeaderSize + InfoHeaderSize;
constexpr std::uint16_t BitsPerPixel = 24;
constexpr std::uint32_t UncompressedRgb = 0;
constexpr std::int32_t PixelsPerMetre = 3780;

// Rows are padded to whole 32-bit words.
std::uint64_t RowStride(std::uint64_t width) { return (width * 3 + 3) / 4 * 4; }

std::uint32_t ReadU32(std::span<const unsigned char> bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
           static_cast<std::uint32_t>(bytes[at + 2]) << 16 | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

std::uint16_t ReadU16(std::span<const unsigned char> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

std::int32_t ReadI32(std::span<const unsigned char> bytes, std::size_t at) {
    return static_cast<std::int32_t>(ReadU32(bytes, at));
}

void Fail(const char* why) { throw std::runtime_error(std::string("BMP: ") + why); }

}  // namespace

platform::Image DecodeBmp(std::span<const unsigned char> bytes) {
    if (bytes.size() < HeadersSize) {
        Fail("truncated header");
    }
    if (bytes[0] != 'B' || bytes[1] != 'M') {
        Fail("not a BMP file");
    }
    const std::uint32_t pixelOffset = ReadU32(bytes, 10);
    const std::uint32_t infoSize = ReadU32(bytes, 14);
    // Later header versions only append fields, so anything at least as long reads the same.
    if (infoSize < InfoHeaderSize || infoSize > bytes.size() - FileHeaderSize) {
        Fail("bad info header size");
    }
    const std::int32_t width = ReadI32(bytes, 18);
    const std::int32_t height = ReadI32(bytes, 22);
    if (ReadU16(bytes, 26) != 1) {
        Fail("bad plane count");
    }
    if (ReadU16(bytes, 28) != BitsPerPixel) {
        Fail("only 24 bits per pixel are supported");
    }
    if (ReadU32(bytes, 30) != UncompressedRgb) {
        Fail("only uncompressed pixels are supported");
    }
    if (width <= 0 || height == 0 || height == std::numeric_limits<std::int32_t>::min()) {
        Fail("bad dimensions");
    }
    // A negative height means the rows are stored top-down.
    const bool bottomUp = height > 0;
    const std::int32_t rows = bottomUp ? height : -height;

    const std::uint64_t stride = RowStride(static_cast<std::uint64_t>(width));
    if (pixelOffset < FileHeaderSize + infoSize || pixelOffset > bytes.size()) {
        Fail("pixel data offset out of range");
    }
    if (stride * static_cast<std::uint64_t>(rows) > bytes.size() - pixelOffset) {
        Fail("truncated pixel data");
    }

    platform::Image image(width, rows);
    for (std::int32_t stored = 0; stored < rows; ++stored) {
        const std::int32_t y = bottomUp ? rows - 1 - stored : stored;
        const unsigned char* source = bytes.data() + pixelOffset + stride * static_cast<std::uint64_t>(stored);
        platform::Rgb* target = image.Row(y);
        for (std::int32_t x = 0; x < width; ++x, source += 3) {
            target[x] = {source[2], source[1], source[0]};
        }
    }
    image.Touch();
    return image;
}

std::vector<unsigned char> EncodeBmp(const platform::Image& image) {
    if (image.Width() == 0 || image.Height() == 0) {
        throw std::invalid_argument("BMP: cannot encode an empty image");
    }
    const std::uint64_t stride = RowStride(static_cast<std::uint64_t>(image.Width()));
    const std::uint64_t pixelBytes = stride * static_cast<std::uint64_t>(image.Height());
    const std::uint64_t fileSize = HeadersSize + pixelBytes;
    if (fileSize > std::numeric_limits<std::uint32_t>::max()) {
        throw std::invalid_argument("BMP: image too large");
    }

    ByteWriter out(static_cast<std::size_t>(fileSize));
    out.U8('B');
    out.U8('M');
    out.U32(static_cast<std::uint32_t>(fileSize));
    out.U32(0);  // reserved
    out.U32(HeadersSize);
    out.U32(InfoHeaderSize);
    out.I32(image.Width());
    out.I32(image.Height());
    out.U16(1);  // planes
    out.U16(BitsPerPixel);
    out.U32(UncompressedRgb);
    out.U32(static_cast<std::uint32_t>(pixelBytes));
    out.I32(PixelsPerMetre);
    out.I32(PixelsPerMetre);
    out.U32(0);  // colours used
    out.U32(0);  // colours important

    const std::uint64_t padding = stride - static_cast<std::uint64_t>(image.Width()) * 3;
    for (int y = image.Height() - 1; y >= 0; --y) {
        const platform::Rgb* row = image.Row(y);
        for (int x = 0; x < image.Width(); ++x) {
            out.U8(row[x].B);
            out.U8(row[x].G);
            out.U8(row[x].R);
        }
        for (std::uint64_t i = 0; i < padding; ++i) {
            out.U8(0);
        }
    }
    return out.Take();
}

}  // namespace vork::assets
