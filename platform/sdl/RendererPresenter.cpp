#include "platform/sdl/RendererPresenter.h"

#include <SDL.h>

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

void RendererPresenter::Present(const Image& picture) {
    SDL_UpdateTexture(texture_.get(), nullptr, picture.Row(0), picture.Width() * 3);
    SDL_RenderCopy(renderer_.get(), texture_.get(), nullptr, nullptr);
    SDL_RenderPresent(renderer_.get());
}

}  // namespace vork::platform
