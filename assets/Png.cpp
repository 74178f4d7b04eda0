#include "assets/Png.h"

#include <zlib.h>

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string_view>

namespace vork::assets {

namespace {

constexpr std::array<unsigned char, 8> Signature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
constexpr unsigned char BitDepth = 8;
constexpr unsigned char TrueColour = 2;
constexpr unsigned char TrueColourWithAlpha = 6;
constexpr unsigned char NoFilter = 0;

void PutU32(std::vector<unsigned char>& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<unsigned char>(value >> shift));
    }
}

// Length, type, data, then the CRC of type and data.
void PutChunk(std::vector<unsigned char>& out, std::string_view type, const std::vector<unsigned char>& data) {
    PutU32(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t typeAt = out.size();
    out.insert(out.end(), type.begin(), type.end());
    out.insert(out.end(), data.begin(), data.end());
    const uLong crc = crc32_z(crc32(0, nullptr, 0), out.data() + typeAt, out.size() - typeAt);
    PutU32(out, static_cast<std::uint32_t>(crc));
}

// Every row starts with its filter type; the pictures are small and flat,
// so unfiltered rows compress about as well as any filter would.
std::vector<unsigned char> Scanlines(const platform::Image& image, const Coverage& covers) {
    std::vector<unsigned char> rows;
    rows.reserve(static_cast<std::size_t>(image.Height()) * (1 + image.Width() * 4));
    for (int y = 0; y < image.Height(); ++y) {
        rows.push_back(NoFilter);
        for (int x = 0; x < image.Width(); ++x) {
            const platform::Rgb pixel = image.At(x, y);
            rows.insert(rows.end(), {pixel.R, pixel.G, pixel.B});
            if (covers) {
                rows.push_back(covers(x, y) ? 0xff : 0x00);
            }
        }
    }
    return rows;
}

std::vector<unsigned char> Deflate(const std::vector<unsigned char>& bytes) {
    uLongf size = compressBound(bytes.size());
    std::vector<unsigned char> packed(size);
    if (compress2(packed.data(), &size, bytes.data(), bytes.size(), Z_BEST_COMPRESSION) != Z_OK) {
        throw std::runtime_error("PNG: zlib could not compress the pixels");
    }
    packed.resize(size);
    return packed;
}

}  // namespace

std::vector<unsigned char> EncodePng(const platform::Image& image, const Coverage& covers) {
    if (image.Width() == 0 || image.Height() == 0) {
        throw std::invalid_argument("PNG: cannot encode an empty image");
    }
    std::vector<unsigned char> header;
    PutU32(header, static_cast<std::uint32_t>(image.Width()));
    PutU32(header, static_cast<std::uint32_t>(image.Height()));
    // Bit depth, colour type, then deflate compression, adaptive filtering and no interlace.
    header.insert(header.end(), {BitDepth, covers ? TrueColourWithAlpha : TrueColour, 0, 0, 0});

    std::vector<unsigned char> out(Signature.begin(), Signature.end());
    PutChunk(out, "IHDR", header);
    PutChunk(out, "IDAT", Deflate(Scanlines(image, covers)));
    PutChunk(out, "IEND", {});
    return out;
}

}  // namespace vork::assets
