#include "platform/sdl/SdlSession.h"

#include <SDL.h>

#include <cstdlib>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vork::platform {

SdlSession::SdlSession() {
    TellSdlAboutTheDesktop();
    // The screensaver is held off only while a rally is played.
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
    // The game watches the termination signals itself, race-free.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // The click that brings the window to the front must count like any other.
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    // Showing a frame must never wait for the display's vertical blank.
    SDL_SetHint(SDL_HINT_RENDER_VSYNC, "0");
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        throw std::runtime_error(std::string("cannot start SDL: ") + SDL_GetError());
    }
    // Without a display SDL quietly falls back to a driver that shows nothing;
    // a game nobody can see must say so instead of running on invisibly.
    const std::string_view driver = SDL_GetCurrentVideoDriver();
    if ((driver == "offscreen" || driver == "dummy") && std::getenv("SDL_VIDEODRIVER") == nullptr) {
        SDL_Quit();
        throw std::runtime_error("no display to open the window on (is DISPLAY or WAYLAND_DISPLAY set?)");
    }
    // On X11 and Wayland the picture is written into the window directly;
    // should that ever be impossible on X11, SDL's software renderer still
    // beats its default route through OpenGL, which costs ten times the
    // memory. On Wayland SDL's renderer needs GL (shared memory failing, so
    // would the software renderer), so there SDL picks it.
    if (driver == "x11") {
        SDL_SetHint(SDL_HINT_RENDER_DRIVER, "software");
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    }
}

SdlSession::~SdlSession() { SDL_Quit(); }

}  // namespace vork::platform
