#include "platform/sdl/Presenter.h"

#include "platform/sdl/WaylandPresenter.h"
#include "platform/sdl/X11Presenter.h"

namespace vork::platform {

// On Wayland the compositor scales for the game: the buffers take the
// window's pixel size as SDL sets it.
std::unique_ptr<Presenter> DirectPresenterFor(SDL_Window* window, const WindowSystem& system, int width, int height,
                                              int scale) {
    switch (system.Is) {
        case WindowSystem::X11: return X11Presenter::Create(system.X11Display, system.X11Window, width, height, scale);
        case WindowSystem::Wayland: return WaylandPresenter::Create(window, system.WaylandDisplay, system.WaylandSurface);
        case WindowSystem::Windows:
        case WindowSystem::Other: break;
    }
    return nullptr;
}

}  // namespace vork::platform
