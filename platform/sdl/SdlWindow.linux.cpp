#include "platform/sdl/SdlWindow.h"

#include "platform/sdl/X11Window.h"

namespace vork::platform {

// X11 leaves scaling to each program; Wayland compositors scale for it.
void SdlWindow::FitToDesktop(int clientWidth, int clientHeight, const Image& icon) {
    if (system_.Is == WindowSystem::X11) {
        ScaleBy(FittingScale(x11::DesktopScale(system_.X11Display), clientWidth, clientHeight), clientWidth,
                clientHeight);
        x11::OfferOnlyMoveAndClose(system_.X11Display, system_.X11Window);
    }
    SetIconPicture(icon);
}

}  // namespace vork::platform
