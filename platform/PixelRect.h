#pragma once

#include <algorithm>

namespace vork::platform {

// A rectangle of pixels; Right and Bottom are exclusive.
struct PixelRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool Empty() const { return Left >= Right || Top >= Bottom; }
    bool Contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
    bool Contains(const PixelRect& other) const {
        return Left <= other.Left && Top <= other.Top && other.Right <= Right && other.Bottom <= Bottom;
    }
    // The smallest rectangle around both; an empty one adds nothing.
    PixelRect United(const PixelRect& other) const {
        if (other.Empty()) {
            return *this;
        }
        if (Empty()) {
            return other;
        }
        return {std::min(Left, other.Left), std::min(Top, other.Top), std::max(Right, other.Right),
                std::max(Bottom, other.Bottom)};
    }

    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

}  // namespace vork::platform
