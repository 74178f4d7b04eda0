#include "platform/Damage.h"

namespace vork::platform {

void Damage::Add(const PixelRect& rect) {
    if (rect.Empty()) {
        return;
    }
    // Each frame redraws much where the last one drew it: a rectangle
    // already listed is not listed again.
    for (int i = 0; i < count_; ++i) {
        if (rects_[i].Contains(rect)) {
            return;
        }
    }
    // A sprite's mask and image, and the pieces of a line, come one after
    // another over the same rows: they make one rectangle.
    if (count_ > 0) {
        PixelRect& last = rects_[count_ - 1];
        if (last.Top == rect.Top && last.Bottom == rect.Bottom && last.Left <= rect.Right && rect.Left <= last.Right) {
            last = last.United(rect);
            return;
        }
    }
    if (count_ == Capacity) {
        rects_[Capacity - 1] = rects_[Capacity - 1].United(rect);
        return;
    }
    rects_[count_++] = rect;
}

void Damage::Add(const Damage& other) {
    for (const PixelRect& rect : other) {
        Add(rect);
    }
}

}  // namespace vork::platform
