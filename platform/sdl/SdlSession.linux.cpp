#include "platform/sdl/SdlSession.h"

#include <cstdlib>

#include "platform/sdl/VideoDriverChoice.h"

namespace vork::platform {

void SdlSession::TellSdlAboutTheDesktop() {
    // Launchers and docks match the window to its desktop entry and icon by
    // this: the X11 class and the Wayland app id, which SDL reads as it starts.
    setenv("SDL_VIDEO_X11_WMCLASS", VORK_APP_ID, 1);
    setenv("SDL_VIDEO_WAYLAND_WMCLASS", VORK_APP_ID, 1);
    ChooseVideoDriver();
}

}  // namespace vork::platform
