#pragma once

#include <cstdint>

#include "platform/Image.h"

namespace vork::testing {

// FNV-1a over the picture's channels, row by row: what the twins print for a
// picture, so that any pixel that differs shows.
inline std::uint64_t PictureChecksum(const platform::Image& picture) {
    std::uint64_t hash = 14695981039346656037u;
    for (const platform::Rgb pixel : picture.Pixels()) {
        for (const std::uint8_t channel : {pixel.R, pixel.G, pixel.B}) {
            hash = (hash ^ channel) * 1099511628211u;
        }
    }
    return hash;
}

}  // namespace vork::testing
