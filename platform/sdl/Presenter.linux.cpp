#include "platform/sdl/Presenter.h"

#include "platform/sdl/X11Presenter.h"

namespace vork::platform {

std::unique_ptr<Presenter> DirectPresenterFor(SDL_Window*, const WindowSystem& system, int width, int height,
                                              int scale) {
    if (system.Is != WindowSystem::X11) {
        return nullptr;
    }
    return X11Presenter::Create(system.X11Display, system.X11Window, width, height, scale);
}

}  // namespace vork::platform
