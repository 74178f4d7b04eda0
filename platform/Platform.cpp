#include "platform/Platform.h"

namespace vork::platform {

Platform::Platform(int clientWidth, int clientHeight) : picture_(clientWidth, clientHeight) {}

void Platform::SetBackColor(Rgb colour) {
    backColor_ = colour;
    ClearPicture();
}

void Platform::BitBlt(int x, int y, int width, int height, const Image& source, int sourceX, int sourceY,
                      RasterOp op) {
    platform::BitBlt(picture_, x, y, width, height, source, sourceX, sourceY, op);
}

void Platform::Print(std::string_view text) {
    const int lineHeight = DrawText(text, CurrentX, CurrentY, fontSize_, foreColor_);
    CurrentX = 0;
    CurrentY += lineHeight;
}

}  // namespace vork::platform
