#include "platform/sdl/SdlWindow.h"

#include <SDL.h>

#include <algorithm>
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
    // High-DPI: on Wayland the compositor then asks for buffers at its
    // output scale instead of stretching, and blurring, a small one.
    window_.reset(Create(title.c_str(), clientWidth, clientHeight, SDL_WINDOW_HIDDEN | SDL_WINDOW_ALLOW_HIGHDPI));
    if (!window_) {
        throw std::runtime_error(std::string("cannot create the window: ") + SDL_GetError());
    }
    system_ = WindowSystemOf(window_.get());
    FitToDesktop(clientWidth, clientHeight, icon);
}

// The desktop's whole scale, as large as still fits the screen.
int SdlWindow::FittingScale(int desktopScale, int clientWidth, int clientHeight) const {
    SDL_Rect usable{};
    int fits = 1;
    if (SDL_GetDisplayUsableBounds(SDL_GetWindowDisplayIndex(window_.get()), &usable) == 0) {
        fits = std::max(1, std::min(usable.w / clientWidth, usable.h / clientHeight));
    }
    return std::max(1, std::min(desktopScale, fits));
}

void SdlWindow::ScaleBy(int scale, int clientWidth, int clientHeight) {
    scale_ = scale;
    if (scale_ > 1) {
        SDL_SetWindowSize(window_.get(), clientWidth * scale_, clientHeight * scale_);
        // Placed for the small size, the large window would run off the screen.
        SDL_SetWindowPosition(window_.get(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    }
}

void SdlWindow::SetIconPicture(const Image& icon) {
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
