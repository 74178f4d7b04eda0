#pragma once

#include <array>

#include "platform/PixelRect.h"

namespace vork::platform {

// The rectangles a picture's writes touched: a list of fixed capacity, so a
// frame's drawing allocates nothing. A rectangle over the same rows as the
// last one and touching it joins it; past the capacity any new rectangle
// joins the last one, which still covers every change, only more loosely.
class Damage {
public:
    static constexpr int Capacity = 48;

    void Add(const PixelRect& rect);
    void Add(const Damage& other);
    void Clear() { count_ = 0; }
    bool Empty() const { return count_ == 0; }

    const PixelRect* begin() const { return rects_.data(); }
    const PixelRect* end() const { return rects_.data() + count_; }

private:
    std::array<PixelRect, Capacity> rects_{};
    int count_ = 0;
};

}  // namespace vork::platform
