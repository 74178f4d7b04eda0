#include "platform/sdl/WindowSystem.h"

#include <SDL_syswm.h>

namespace vork::platform {

WindowSystem WindowSystemOf(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_WINDOWS) {
        return {};
    }
    WindowSystem system;
    system.Is = WindowSystem::Windows;
    system.WindowsHwnd = info.info.win.window;
    return system;
}

}  // namespace vork::platform
