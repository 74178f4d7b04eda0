#include "platform/sdl/Presenter.h"

#include <SDL_syswm.h>

#include "platform/sdl/RendererPresenter.h"
#include "platform/sdl/X11Presenter.h"

namespace vork::platform {

std::unique_ptr<Presenter> PresenterFor(SDL_Window* window, int width, int height) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWindowWMInfo(window, &info) && info.subsystem == SDL_SYSWM_X11) {
        if (auto direct = X11Presenter::Create(info.info.x11.display, info.info.x11.window, width, height, 1)) {
            return direct;
        }
    }
    return std::make_unique<RendererPresenter>(window, width, height);
}

}  // namespace vork::platform
