#pragma once

#include <memory>

#include "platform/sdl/Presenter.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;

namespace vork::platform {

// Shows the picture through an SDL renderer and a streaming texture:
// wherever the window cannot be written to directly (on Wayland, where the
// compositor offers no shared memory; SDL then remakes the window for GL).
class RendererPresenter final : public Presenter {
public:
    RendererPresenter(SDL_Window* window, int width, int height);

    void Present(const Image& picture, bool everything) override;

private:
    struct Destroy {
        void operator()(SDL_Renderer* renderer) const;
        void operator()(SDL_Texture* texture) const;
    };
    std::unique_ptr<SDL_Renderer, Destroy> renderer_;
    std::unique_ptr<SDL_Texture, Destroy> texture_;
};

}  // namespace vork::platform
