#include "platform/web/Rgba.h"

namespace vork::platform::web {

void ToRgba(const Image& picture, const PixelRect& area, std::uint8_t* rgba) {
    for (int y = area.Top; y < area.Bottom; ++y) {
        const Rgb* from = picture.Row(y) + area.Left;
        std::uint8_t* to = rgba + (static_cast<std::size_t>(y) * picture.Width() + area.Left) * 4;
        for (int x = area.Left; x < area.Right; ++x, ++from, to += 4) {
            to[0] = from->R;
            to[1] = from->G;
            to[2] = from->B;
        }
    }
}

}  // namespace vork::platform::web
