#include "platform/TextBlend.h"

#include <algorithm>

namespace vork::platform {
namespace {

std::uint8_t Mix(std::uint8_t from, std::uint8_t to, int alpha) {
    return static_cast<std::uint8_t>((from * (255 - alpha) + to * alpha + 127) / 255);
}

}  // namespace

void BlendCoverage(Image& picture, int x, int y, const std::uint8_t* coverage, int width, int height, int pitch,
                   Rgb colour) {
    const PixelRect area{std::max(x, 0), std::max(y, 0), std::min(x + width, picture.Width()),
                         std::min(y + height, picture.Height())};
    for (int row = 0; row < height; ++row) {
        if (y + row < 0 || y + row >= picture.Height()) {
            continue;
        }
        Rgb* line = picture.Row(y + row);
        const std::uint8_t* alphas = coverage + static_cast<std::ptrdiff_t>(row) * pitch;
        for (int column = 0; column < width; ++column) {
            const int alpha = alphas[column];
            if (alpha == 0 || x + column < 0 || x + column >= picture.Width()) {
                continue;
            }
            Rgb& pixel = line[x + column];
            pixel = {Mix(pixel.R, colour.R, alpha), Mix(pixel.G, colour.G, alpha), Mix(pixel.B, colour.B, alpha)};
        }
    }
    picture.Touch(area);
}

}  // namespace vork::platform
