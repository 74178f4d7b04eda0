#include "platform/sdl/Presenter.h"

#include "platform/sdl/RendererPresenter.h"

namespace vork::platform {

std::unique_ptr<Presenter> PresenterFor(SDL_Window* window, const WindowSystem& system, int width, int height,
                                        int scale) {
    if (auto direct = DirectPresenterFor(window, system, width, height, scale)) {
        return direct;
    }
    return std::make_unique<RendererPresenter>(window, width, height);
}

}  // namespace vork::platform
