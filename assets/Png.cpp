#include "assets/Png.h"

#include <zlib.h>

#include <algorithm>
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
constexpr unsigned char PaletteColour = 3;
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
std::vector<unsigned char> DirectScanlines(const platform::Image& image, const Coverage& covers) {
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

// The colours of an indexed picture in the order first met, the transparent
// entry first of all when there is one (so tRNS holds a single byte).
struct Palette {
    bool HasTransparent = false;
    std::vector<platform::Rgb> Colours;

    std::size_t Size() const { return Colours.size() + (HasTransparent ? 1 : 0); }
    unsigned IndexOf(platform::Rgb colour) const {
        const auto at = std::find(Colours.begin(), Colours.end(), colour) - Colours.begin();
        return static_cast<unsigned>(at) + (HasTransparent ? 1 : 0);
    }
    // The fewest bits per pixel that hold every index: 1, 2, 4 or 8.
    unsigned char BitDepth() const {
        unsigned char bits = 1;
        while ((std::size_t{1} << bits) < Size()) {
            bits = static_cast<unsigned char>(bits * 2);
        }
        return bits;
    }
};

Palette PaletteOf(const platform::Image& image, const Coverage& covers) {
    Palette palette;
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            if (covers && !covers(x, y)) {
                palette.HasTransparent = true;
            } else if (std::find(palette.Colours.begin(), palette.Colours.end(), image.At(x, y)) ==
                       palette.Colours.end()) {
                palette.Colours.push_back(image.At(x, y));
            }
        }
    }
    if (palette.Size() > 256) {
        throw std::invalid_argument("PNG: more than 256 colours for a palette");
    }
    return palette;
}

// Indices packed from the high bits of each byte, each row filled out to a byte.
std::vector<unsigned char> IndexedScanlines(const platform::Image& image, const Coverage& covers,
                                            const Palette& palette) {
    const unsigned bits = palette.BitDepth();
    std::vector<unsigned char> rows;
    for (int y = 0; y < image.Height(); ++y) {
        rows.push_back(NoFilter);
        unsigned byte = 0;
        unsigned filled = 0;
        for (int x = 0; x < image.Width(); ++x) {
            const unsigned index = covers && !covers(x, y) ? 0 : palette.IndexOf(image.At(x, y));
            byte = byte << bits | index;
            filled += bits;
            if (filled == 8) {
                rows.push_back(static_cast<unsigned char>(byte));
                byte = filled = 0;
            }
        }
        if (filled > 0) {
            rows.push_back(static_cast<unsigned char>(byte << (8 - filled)));
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

std::vector<unsigned char> EncodePng(const platform::Image& image, const Coverage& covers, PngColours colours) {
    if (image.Width() == 0 || image.Height() == 0) {
        throw std::invalid_argument("PNG: cannot encode an empty image");
    }
    const bool indexed = colours == PngColours::Indexed;
    const Palette palette = indexed ? PaletteOf(image, covers) : Palette{};
    std::vector<unsigned char> header;
    PutU32(header, static_cast<std::uint32_t>(image.Width()));
    PutU32(header, static_cast<std::uint32_t>(image.Height()));
    // Bit depth, colour type, then deflate compression, adaptive filtering and no interlace.
    const unsigned char type = indexed ? PaletteColour : covers ? TrueColourWithAlpha : TrueColour;
    header.insert(header.end(), {indexed ? palette.BitDepth() : BitDepth, type, 0, 0, 0});

    std::vector<unsigned char> out(Signature.begin(), Signature.end());
    PutChunk(out, "IHDR", header);
    if (indexed) {
        std::vector<unsigned char> entries(palette.HasTransparent ? 3 : 0, 0);
        for (const platform::Rgb colour : palette.Colours) {
            entries.insert(entries.end(), {colour.R, colour.G, colour.B});
        }
        PutChunk(out, "PLTE", entries);
        if (palette.HasTransparent) {
            PutChunk(out, "tRNS", {0});
        }
    }
    PutChunk(out, "IDAT", Deflate(indexed ? IndexedScanlines(image, covers, palette) : DirectScanlines(image, covers)));
    PutChunk(out, "IEND", {});
    return out;
}

}  // namespace vork::assets
