#include "platform/sdl/WindowSystem.h"

#include <SDL_syswm.h>

namespace vork::platform {

WindowSystem WindowSystemOf(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info)) {
        return {};
    }
    switch (info.subsystem) {
        case SDL_SYSWM_X11:
            return {WindowSystem::X11, info.info.x11.display, info.info.x11.window, nullptr};
        case SDL_SYSWM_WAYLAND:
            return {WindowSystem::Wayland, nullptr, 0, info.info.wl.display, info.info.wl.surface};
        default:
            return {};
    }
}

}  // namespace vork::platform
