#include "platform/sdl/SdlWindow.h"

#include <SDL.h>

#include <stdexcept>
#include <string>

namespace vork::platform {

void SdlWindow::Destroy::operator()(SDL_Window* window) const {
    // SDL 2.26 on X11 reads freed memory when a confined window is destroyed.
    SDL_SetWindowMouseRect(window, nullptr);
    SDL_DestroyWindow(window);
}

SdlWindow::SdlWindow(int clientWidth, int clientHeight, std::string_view caption, const Image& icon) {
    const std::string title(caption);
    // Not resizable: SDL then sets the minimum and maximum size hints to the size.
    window_.reset(SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, clientWidth,
                                   clientHeight, SDL_WINDOW_HIDDEN));
    if (!window_) {
        throw std::runtime_error(std::string("cannot create the window: ") + SDL_GetError());
    }
    Image pixels = icon;
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(pixels.Row(0), icon.Width(), icon.Height(), 24,
                                                              icon.Width() * 3, SDL_PIXELFORMAT_RGB24);
    if (surface != nullptr) {
        SDL_SetWindowIcon(window_.get(), surface);
        SDL_FreeSurface(surface);
    }
}

void SdlWindow::Show() { SDL_ShowWindow(window_.get()); }

void SdlWindow::SetCaption(std::string_view caption) { SDL_SetWindowTitle(window_.get(), std::string(caption).c_str()); }

}  // namespace vork::platform
