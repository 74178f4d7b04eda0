#include "assets/IconFiles.h"

#include "assets/Icon.h"
#include "assets/PixelSvg.h"
#include "assets/Png.h"

#include <stdexcept>

namespace vork::assets {

namespace {

int IconPixelAt(int scaledPixel, int size) { return scaledPixel * IconSize / size; }

}  // namespace

platform::Image ScaledIcon(int size) {
    const platform::Image& icon = Icon();
    platform::Image scaled(size, size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            scaled.Set(x, y, icon.At(IconPixelAt(x, size), IconPixelAt(y, size)));
        }
    }
    return scaled;
}

bool ScaledIconCovers(int x, int y, int size) {
    return IconTileCovers(IconPixelAt(x, size), IconPixelAt(y, size));
}

std::vector<unsigned char> IconPng(int size) {
    if (size <= 0 || size % IconSize != 0) {
        throw std::invalid_argument("icon size " + std::to_string(size) + " is not a multiple of " +
                                    std::to_string(IconSize));
    }
    return EncodePng(ScaledIcon(size), [size](int x, int y) { return ScaledIconCovers(x, y, size); });
}

std::string IconSvg() { return PixelSvg(Icon(), IconTileCovers); }

}  // namespace vork::assets
