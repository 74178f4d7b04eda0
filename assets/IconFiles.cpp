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

std::vector<unsigned char> IconPng(int size, PngColours colours) {
    if (size <= 0 || size % IconSize != 0) {
        throw std::invalid_argument("icon size " + std::to_string(size) + " is not a multiple of " +
                                    std::to_string(IconSize));
    }
    return EncodePng(ScaledIcon(size), [size](int x, int y) { return ScaledIconCovers(x, y, size); }, colours);
}

platform::Image MaskableIcon(int size) {
    // The tile's square, side s, fits the circle of diameter 4/5 of the size
    // when its diagonal does: 2 s^2 <= (4/5 size)^2, that is 50 s^2 <= 16 size^2.
    int scale = 1;
    while (50 * (IconSize * (scale + 1)) * (IconSize * (scale + 1)) <= 16 * size * size) {
        ++scale;
    }
    const int tile = IconSize * scale;
    const int margin = (size - tile) / 2;
    const platform::Image scaled = ScaledIcon(tile);
    platform::Image icon(size, size, IconTileColour);
    for (int y = 0; y < tile; ++y) {
        for (int x = 0; x < tile; ++x) {
            if (ScaledIconCovers(x, y, tile)) {
                icon.Set(margin + x, margin + y, scaled.At(x, y));
            }
        }
    }
    return icon;
}

std::string IconSvg() { return PixelSvg(Icon(), IconTileCovers); }

}  // namespace vork::assets
