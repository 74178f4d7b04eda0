#include "assets/IconFiles.h"

#include "assets/Icon.h"
#include "assets/PixelSvg.h"
#include "assets/Png.h"

#include <stdexcept>

namespace vork::assets {

std::vector<unsigned char> IconPng(int size) {
    if (size <= 0 || size % IconSize != 0) {
        throw std::invalid_argument("icon size " + std::to_string(size) + " is not a multiple of " +
                                    std::to_string(IconSize));
    }
    const int factor = size / IconSize;
    const platform::Image& icon = Icon();
    platform::Image scaled(size, size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            scaled.Set(x, y, icon.At(x / factor, y / factor));
        }
    }
    return EncodePng(scaled, [factor](int x, int y) { return IconTileCovers(x / factor, y / factor); });
}

std::string IconSvg() { return PixelSvg(Icon(), IconTileCovers); }

}  // namespace vork::assets
