#include "platform/sdl/SdlWindow.h"

#include <SDL.h>

#include "platform/sdl/WaylandBareWindow.h"
#include "platform/sdl/X11Window.h"

namespace vork::platform {

// On Wayland the game draws into the window's surface itself, with no GL.
SDL_Window* SdlWindow::Create(const char* title, int width, int height, std::uint32_t flags) {
    if (SDL_Window* bare = CreateBareWaylandWindow(title, width, height, flags)) {
        return bare;
    }
    return SDL_CreateWindow(title, SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, width, height, flags);
}

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
