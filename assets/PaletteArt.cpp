#include "assets/PaletteArt.h"

#include <stdexcept>
#include <string>

namespace vork::assets {

namespace {

int PaletteIndex(char digit) {
    if (digit >= '0' && digit <= '9') {
        return digit - '0';
    }
    if (digit >= 'a' && digit <= 'f') {
        return digit - 'a' + 10;
    }
    if (digit >= 'A' && digit <= 'F') {
        return digit - 'A' + 10;
    }
    throw std::invalid_argument(std::string("palette art: '") + digit + "' is not a palette index");
}

}  // namespace

platform::Image DecodePaletteArt(std::span<const std::string_view> rows, int width, int height) {
    if (rows.size() != static_cast<std::size_t>(height)) {
        throw std::invalid_argument("palette art: wrong number of rows");
    }
    platform::Image image(width, height);
    for (int y = 0; y < height; ++y) {
        if (rows[y].size() != static_cast<std::size_t>(width)) {
            throw std::invalid_argument("palette art: row " + std::to_string(y) + " has the wrong length");
        }
        for (int x = 0; x < width; ++x) {
            image.Set(x, y, VgaPalette[PaletteIndex(rows[y][x])]);
        }
    }
    return image;
}

}  // namespace vork::assets
