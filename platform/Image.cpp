#include "platform/Image.h"

#include <algorithm>
#include <stdexcept>

namespace vork::platform {

Image::Image(int width, int height, Rgb fill) : width_(width), height_(height) {
    if (width < 0 || height < 0) {
        throw std::invalid_argument("image size must not be negative");
    }
    pixels_.assign(static_cast<std::size_t>(width) * height, fill);
}

void Image::Set(int x, int y, Rgb colour) {
    pixels_[Index(x, y)] = colour;
    Touch();
}

void Image::Fill(Rgb colour) {
    std::fill(pixels_.begin(), pixels_.end(), colour);
    Touch();
}

}  // namespace vork::platform
