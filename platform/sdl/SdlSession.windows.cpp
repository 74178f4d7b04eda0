#include "platform/sdl/SdlSession.h"

#include <SDL.h>

namespace vork::platform {

void SdlSession::TellSdlAboutTheDesktop() {
    // Every monitor's own pixels, whatever its scale: Windows then never
    // stretches the window's picture, and the game scales it by a whole
    // factor itself. Sizes stay in pixels.
    SDL_SetHint(SDL_HINT_WINDOWS_DPI_AWARENESS, "permonitorv2");
    SDL_SetHint(SDL_HINT_WINDOWS_DPI_SCALING, "0");
    // The icon as drawn for each size, from the exe's resources (vork.rc).
    SDL_SetHint(SDL_HINT_WINDOWS_INTRESOURCE_ICON, "1");
    SDL_SetHint(SDL_HINT_WINDOWS_INTRESOURCE_ICON_SMALL, "1");
}

}  // namespace vork::platform
