#include "platform/sdl/SdlSession.h"

#include <SDL.h>

#include <cstdlib>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vork::platform {

SdlSession::SdlSession() {
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
    // On X11 a 240 x 335 picture goes to the screen fastest, and with a tenth
    // of the memory, through SDL's software renderer drawing straight into
    // shared memory; by default SDL would route it through OpenGL. Elsewhere
    // (Wayland has no such path) SDL picks the renderer.
    if (driver == "x11") {
        SDL_SetHint(SDL_HINT_RENDER_DRIVER, "software");
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    }
}

SdlSession::~SdlSession() { SDL_Quit(); }

}  // namespace vork::platform
