#include "platform/sdl/RendererPresenter.h"

#include <SDL.h>

#include <algorithm>
#include <stdexcept>
#include <string>

namespace vork::platform {
namespace {

template <typename T>
T* Check(T* created, const char* what) {
    if (created == nullptr) {
        throw std::runtime_error(std::string(what) + ": " + SDL_GetError());
    }
    return created;
}

}  // namespace

void RendererPresenter::Destroy::operator()(SDL_Renderer* renderer) const { SDL_DestroyRenderer(renderer); }
void RendererPresenter::Destroy::operator()(SDL_Texture* texture) const { SDL_DestroyTexture(texture); }

RendererPresenter::RendererPresenter(SDL_Window* window, int width, int height)
    : renderer_(Check(SDL_CreateRenderer(window, -1, 0), "cannot create a renderer")),
      texture_(Check(SDL_CreateTexture(renderer_.get(), SDL_PIXELFORMAT_RGB24, SDL_TEXTUREACCESS_STREAMING, width,
                                       height),
                     "cannot create the picture texture")) {}

void RendererPresenter::Present(const Image& picture, bool everything) {
    // The renderer redraws the whole window anyway; only the texture's
    // upload is cut down to the changes.
    PixelRect changed = everything ? PixelRect{0, 0, picture.Width(), picture.Height()} : PixelRect{};
    for (const PixelRect& rect : picture.Changes()) {
        changed = changed.United(rect);
    }
    if (!changed.Empty()) {
        const SDL_Rect area{changed.Left, changed.Top, changed.Width(), changed.Height()};
        SDL_UpdateTexture(texture_.get(), &area, picture.Row(changed.Top) + changed.Left, picture.Width() * 3);
    }
    // The largest whole scale that fits the window's pixels (twice the
    // window's size on a Wayland output of scale 2), centred, with black
    // bars around it if it does not fill them.
    int width = 0;
    int height = 0;
    SDL_GetRendererOutputSize(renderer_.get(), &width, &height);
    const int scale = std::max(1, std::min(width / picture.Width(), height / picture.Height()));
    const SDL_Rect placed{(width - picture.Width() * scale) / 2, (height - picture.Height() * scale) / 2,
                          picture.Width() * scale, picture.Height() * scale};
    SDL_SetRenderDrawColor(renderer_.get(), 0, 0, 0, 255);
    SDL_RenderClear(renderer_.get());
    SDL_RenderCopy(renderer_.get(), texture_.get(), nullptr, &placed);
    SDL_RenderPresent(renderer_.get());
}

}  // namespace vork::platform
