#include "platform/web/WebPlatform.h"

extern const unsigned char vork_font_subset[];
extern const std::size_t vork_font_subset_size;

namespace vork::platform::web {

WebPlatform::WebPlatform(int clientWidth, int clientHeight, std::string_view caption, const Image& icon)
    : Platform(clientWidth, clientHeight),
      presenter_(clientWidth, clientHeight),
      input_(Events(), pointer_),
      font_(vork_font_subset, vork_font_subset_size) {
    window_.SetCaption(caption);
    window_.SetIcon(icon);
}

void WebPlatform::ShowWindow() {
    Present(true);
    window_.Show();
}

void WebPlatform::PumpEvents() {
    input_.TakeAll();
    Events().Flush();
    if (!Picture().Changes().Empty()) {
        Present(false);
    }
}

int WebPlatform::DrawText(std::string_view text, int x, int y, double points, Rgb colour) {
    return font_.Draw(Picture(), text, x, y, points, colour);
}

void WebPlatform::Present(bool everything) {
    presenter_.Present(Picture(), everything);
    Picture().ForgetChanges();
}

}  // namespace vork::platform::web
