#include "platform/web/WebPresenter.h"

#include "platform/web/Host.h"
#include "platform/web/Rgba.h"

namespace vork::platform::web {

WebPresenter::WebPresenter(int width, int height)
    : width_(width), height_(height), rgba_(static_cast<std::size_t>(width) * height * 4, 255) {
    rects_.reserve(Damage::Capacity);
}

void WebPresenter::Present(const Image& picture, bool everything) {
    rects_.clear();
    if (everything) {
        rects_.push_back({0, 0, width_, height_});
    } else {
        rects_.assign(picture.Changes().begin(), picture.Changes().end());
    }
    for (const PixelRect& rect : rects_) {
        ToRgba(picture, rect, rgba_.data());
    }
    if (!rects_.empty()) {
        HostPresent(rgba_.data(), width_, height_, rects_.data(), static_cast<int>(rects_.size()));
    }
}

}  // namespace vork::platform::web
