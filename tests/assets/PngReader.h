#pragma once

#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace vork::assets::testing {

// A PNG as a reader sees it: RGBA pixels, row by row (alpha 255 in a file without it).
struct PngPicture {
    int Width = 0;
    int Height = 0;
    bool HasAlpha = false;
    bool Indexed = false;
    int BitDepth = 8;
    std::vector<std::array<std::uint8_t, 4>> Pixels;

    std::array<std::uint8_t, 4> At(int x, int y) const { return Pixels[static_cast<std::size_t>(y) * Width + x]; }
};

// Reads the PNGs the game writes: 8-bit RGB or RGBA, or indexed with 1, 2, 4
// or 8 bits a pixel (tRNS giving the palette's alphas), not interlaced, rows
// unfiltered. Throws std::runtime_error at anything a real decoder would
// reject (signature, chunk order, lengths, CRCs, header fields, the zlib
// stream, its length) and at what it does not read.
inline PngPicture ReadPng(std::span<const unsigned char> bytes) {
    auto fail = [](const std::string& why) { throw std::runtime_error("PNG: " + why); };
    auto u32 = [&](std::size_t at) {
        if (at + 4 > bytes.size()) {
            fail("truncated");
        }
        return std::uint32_t{bytes[at]} << 24 | std::uint32_t{bytes[at + 1]} << 16 | std::uint32_t{bytes[at + 2]} << 8 |
               bytes[at + 3];
    };
    const std::array<unsigned char, 8> signature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    if (bytes.size() < 8 || !std::equal(signature.begin(), signature.end(), bytes.begin())) {
        fail("bad signature");
    }
    PngPicture picture;
    std::vector<unsigned char> packed;
    std::vector<std::array<std::uint8_t, 4>> palette;
    std::vector<std::string> types;
    for (std::size_t at = 8; types.empty() || types.back() != "IEND";) {
        const std::uint32_t length = u32(at);
        if (at + 12 + std::size_t{length} > bytes.size()) {
            fail("chunk runs past the end");
        }
        const unsigned char* type = bytes.data() + at + 4;
        const unsigned char* data = type + 4;
        if (crc32(0, type, length + 4) != u32(at + 8 + length)) {
            fail("bad CRC");
        }
        types.emplace_back(type, type + 4);
        if (types.back() == "IHDR") {
            if (types.size() != 1 || length != 13) {
                fail("bad IHDR");
            }
            picture.Width = static_cast<int>(u32(at + 8));
            picture.Height = static_cast<int>(u32(at + 12));
            picture.BitDepth = data[8];
            picture.Indexed = data[9] == 3;
            picture.HasAlpha = data[9] == 6;
            const bool depthFits = picture.Indexed ? (data[8] == 1 || data[8] == 2 || data[8] == 4 || data[8] == 8)
                                                   : data[8] == 8 && (data[9] == 2 || data[9] == 6);
            if (!depthFits || data[10] != 0 || data[11] != 0 || data[12] != 0) {
                fail("unexpected header fields");
            }
        } else if (types.back() == "PLTE") {
            if (!picture.Indexed || length == 0 || length % 3 != 0 || length / 3 > 256 || !packed.empty()) {
                fail("bad PLTE");
            }
            for (std::size_t i = 0; i < length; i += 3) {
                palette.push_back({data[i], data[i + 1], data[i + 2], 255});
            }
        } else if (types.back() == "tRNS") {
            if (!picture.Indexed || length > palette.size() || !packed.empty()) {
                fail("bad tRNS");
            }
            for (std::size_t i = 0; i < length; ++i) {
                palette[i][3] = data[i];
            }
            picture.HasAlpha = true;
        } else if (types.back() == "IDAT") {
            packed.insert(packed.end(), data, data + length);
        }
        at += 12 + std::size_t{length};
        if (at == bytes.size() && types.back() != "IEND") {
            fail("no IEND");
        }
    }
    if (types.front() != "IHDR") {
        fail("IHDR is not first");
    }

    if (picture.Indexed && palette.empty()) {
        fail("no PLTE");
    }
    const std::size_t channels = picture.Indexed ? 1 : picture.HasAlpha ? 4 : 3;
    const std::size_t bits = channels * static_cast<std::size_t>(picture.BitDepth);
    const std::size_t stride = 1 + (bits * picture.Width + 7) / 8;
    std::vector<unsigned char> rows(stride * picture.Height + 1);
    uLongf size = rows.size();
    if (uncompress(rows.data(), &size, packed.data(), packed.size()) != Z_OK || size != stride * picture.Height) {
        fail("pixel data is not one zlib stream of the right length");
    }
    for (int y = 0; y < picture.Height; ++y) {
        const unsigned char* row = rows.data() + stride * y;
        if (row[0] != 0) {
            fail("row " + std::to_string(y) + " is filtered");
        }
        for (int x = 0; x < picture.Width; ++x) {
            if (picture.Indexed) {
                const std::size_t bit = bits * static_cast<std::size_t>(x);
                const unsigned index = (row[1 + bit / 8] >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
                if (index >= palette.size()) {
                    fail("index past the palette");
                }
                picture.Pixels.push_back(palette[index]);
                continue;
            }
            const unsigned char* pixel = row + 1 + channels * x;
            picture.Pixels.push_back({pixel[0], pixel[1], pixel[2], picture.HasAlpha ? pixel[3] : std::uint8_t{255}});
        }
    }
    return picture;
}

}  // namespace vork::assets::testing
