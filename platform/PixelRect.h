#pragma once

#include <algorithm>

namespace vork::platform {

// A rectangle of pixels; Right and Bottom are exclusive.
struct PixelRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    bool Empty() const { return Left >= Right || Top >= Bottom; }
    bool Contains(const PixelRect& other) const {
        return Left <= other.Left && Top <= other.Top && other.Right <= Right && other.Bottom <= Bottom;
    }
    PixelRect United(const PixelRect& other) const {
        return {std::min(Left, other.Left), std::min(Top, other.Top), std::max(Right, other.Right),
                std::max(Bottom, other.Bottom)};
    }

    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

}  // namespace vork::platform
