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
    Touch({x, y, x + 1, y + 1});
}

void Image::Touch(const PixelRect& area) {
    changes_.Add(area);
    drawnSinceFill_.Add(area);
}

void Image::Fill(Rgb colour) {
    if (filledWith_ == colour) {
        // Only what was drawn since the last fill differs from it: a frame's
        // clear then costs what its sprites cover, not the whole table.
        for (const PixelRect& rect : drawnSinceFill_) {
            FillRect(rect, colour);
        }
        changes_.Add(drawnSinceFill_);
    } else {
        FillRect({0, 0, width_, height_}, colour);
        changes_.Add(PixelRect{0, 0, width_, height_});
    }
    filledWith_ = colour;
    drawnSinceFill_.Clear();
}

void Image::FillRect(const PixelRect& rect, Rgb colour) {
    if (rect.Empty()) {
        return;
    }
    const std::size_t count = static_cast<std::size_t>(rect.Width());
    // The table's grey takes the byte-wise fast path.
    const bool grey = colour.R == colour.G && colour.G == colour.B;
    for (int y = rect.Top; y < rect.Bottom; ++y) {
        Rgb* row = Row(y) + rect.Left;
        if (grey) {
            std::memset(static_cast<void*>(row), colour.R, count * sizeof(Rgb));
        } else {
            std::fill_n(row, count, colour);
        }
    }
}

}  // namespace vork::platform
