#include "platform/sdl/Presenter.h"

#include "platform/sdl/RendererPresenter.h"
#include "platform/sdl/X11Presenter.h"

namespace vork::platform {

std::unique_ptr<Presenter> PresenterFor(SDL_Window* window, const WindowSystem& system, int width, int height,
                                        int scale) {
    if (system.Is == WindowSystem::X11) {
        if (auto direct = X11Presenter::Create(system.X11Display, system.X11Window, width, height, scale)) {
            return direct;
        }
    }
    return std::make_unique<RendererPresenter>(window, width, height);
}

}  // namespace vork::platform
