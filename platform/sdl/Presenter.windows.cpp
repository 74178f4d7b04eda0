#include "platform/sdl/Presenter.h"

#include "platform/sdl/SurfacePresenter.h"

namespace vork::platform {

std::unique_ptr<Presenter> DirectPresenterFor(SDL_Window* window, const WindowSystem&, int width, int height,
                                              int scale) {
    return SurfacePresenter::Create(window, width, height, scale);
}

}  // namespace vork::platform
