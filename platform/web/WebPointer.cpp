#include "platform/web/WebPointer.h"

#include <algorithm>

#include "platform/web/Host.h"

namespace vork::platform::web {

void WebPointer::SetShape(MousePointer shape) { HostPointerSetShape(static_cast<int>(shape)); }

void WebPointer::Hold(std::optional<ClientRect> area) {
    area_ = area;
    if (area_) {
        at_ = Inside(at_);
        HostPointerHold();
        HostPointerShowAt(at_.X, at_.Y);
    } else {
        HostPointerRelease();
    }
}

std::optional<WebPointer::Position> WebPointer::MovedTo(Position to) {
    if (area_) {
        return std::nullopt;
    }
    at_ = to;
    return at_;
}

WebPointer::Position WebPointer::MovedBy(Position by) { return PutAt({at_.X + by.X, at_.Y + by.Y}); }

WebPointer::Position WebPointer::PutAt(Position to) {
    at_ = Inside(to);
    HostPointerShowAt(at_.X, at_.Y);
    return at_;
}

// The hot spot stays on the area's whole pixels, as the desktop's confined
// pointer does: a finer step short of the right or bottom edge would round
// the mallet onto the pixel past it.
WebPointer::Position WebPointer::Inside(Position at) const {
    if (!area_) {
        return at;
    }
    return {std::clamp(at.X, static_cast<float>(area_->Left), static_cast<float>(area_->Right - 1)),
            std::clamp(at.Y, static_cast<float>(area_->Top), static_cast<float>(area_->Bottom - 1))};
}

}  // namespace vork::platform::web
