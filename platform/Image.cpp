#include "platform/Image.h"

#include <algorithm>
#include <cstring>
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
    // Every frame starts with a clear, so the grey of the table takes the
    // byte-wise fast path; other colours fill one row and copy it.
    if (colour.R == colour.G && colour.G == colour.B) {
        std::memset(static_cast<void*>(pixels_.data()), colour.R, pixels_.size() * sizeof(Rgb));
    } else if (!pixels_.empty()) {
        std::fill(pixels_.begin(), pixels_.begin() + width_, colour);
        for (int y = 1; y < height_; ++y) {
            std::memcpy(Row(y), Row(0), static_cast<std::size_t>(width_) * sizeof(Rgb));
        }
    }
    Touch();
}

}  // namespace vork::platform
