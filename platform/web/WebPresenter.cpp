#include "platform/web/WebPresenter.h"

#include <span>

#include "platform/web/Host.h"
#include "platform/web/Rgba.h"

namespace vork::platform::web {

WebPresenter::WebPresenter(int width, int height)
    : width_(width), height_(height), rgba_(static_cast<std::size_t>(width) * height * 4, 255) {}

void WebPresenter::Present(const Image& picture, bool everything) {
    const PixelRect whole{0, 0, width_, height_};
    const std::span<const PixelRect> rects =
        everything ? std::span(&whole, 1) : std::span(picture.Changes().begin(), picture.Changes().end());
    for (const PixelRect& rect : rects) {
        ToRgba(picture, rect, rgba_.data());
    }
    if (!rects.empty()) {
        HostPresent(rgba_.data(), width_, height_, rects.data(), static_cast<int>(rects.size()));
    }
}

}  // namespace vork::platform::web
