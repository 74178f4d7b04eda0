#pragma once

#include <cstdint>

#include "platform/Image.h"

namespace vork::assets::testing {

// Every pixel different, so a swapped row, column or channel shows up.
inline platform::Image Gradient(int width, int height) {
    platform::Image image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.Set(x, y, {static_cast<std::uint8_t>(x * 17 + 1), static_cast<std::uint8_t>(y * 29 + 2),
                             static_cast<std::uint8_t>(x * 7 + y * 3 + 3)});
        }
    }
    return image;
}

}  // namespace vork::assets::testing
