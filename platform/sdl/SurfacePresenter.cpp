#include "platform/sdl/SurfacePresenter.h"

#include <SDL.h>

#include <algorithm>
#include <cstdint>

namespace vork::platform {

std::unique_ptr<SurfacePresenter> SurfacePresenter::Create(SDL_Window* window, int width, int height, int scale) {
    // SDL sizes the surface to the window's pixels, which hold the whole
    // scaled picture.
    SDL_Surface* surface = SDL_GetWindowSurface(window);
    if (surface == nullptr || surface->w < width * scale || surface->h < height * scale) {
        return nullptr;
    }
    return std::unique_ptr<SurfacePresenter>(new SurfacePresenter(window, surface, scale));
}

void SurfacePresenter::Present(const Image& picture, bool everything) {
    // The surface is made anew when the window changes size or its
    // monitor's pixel format; SDL hands back the one it holds otherwise.
    SDL_Surface* surface = SDL_GetWindowSurface(window_);
    if (surface == nullptr || surface->w < picture.Width() * scale_ || surface->h < picture.Height() * scale_) {
        return;
    }
    // A new surface holds nothing yet.
    everything = everything || surface != surface_;
    surface_ = surface;
    const PixelRect whole{0, 0, picture.Width(), picture.Height()};
    shown_.clear();
    auto show = [&](const PixelRect& changed) {
        const PixelRect rect{std::max(changed.Left, 0), std::max(changed.Top, 0),
                             std::min(changed.Right, whole.Right), std::min(changed.Bottom, whole.Bottom)};
        if (rect.Empty()) {
            return;
        }
        Convert(surface, picture, rect);
        shown_.push_back({rect.Left * scale_, rect.Top * scale_, rect.Width() * scale_, rect.Height() * scale_});
    };
    if (everything) {
        show(whole);
    } else {
        for (const PixelRect& rect : picture.Changes()) {
            show(rect);
        }
    }
    if (!shown_.empty()) {
        SDL_UpdateWindowSurfaceRects(window_, shown_.data(), static_cast<int>(shown_.size()));
    }
}

void SurfacePresenter::Convert(SDL_Surface* surface, const Image& picture, const PixelRect& rect) const {
    const bool words = surface->format->BytesPerPixel == 4;
    for (int y = rect.Top; y < rect.Bottom; ++y) {
        const Rgb* row = picture.Row(y);
        for (int x = rect.Left; x < rect.Right; ++x) {
            const std::uint32_t pixel = SDL_MapRGB(surface->format, row[x].R, row[x].G, row[x].B);
            if (!words) {
                SDL_Rect block{x * scale_, y * scale_, scale_, scale_};
                SDL_FillRect(surface, &block, pixel);
                continue;
            }
            for (int dy = 0; dy < scale_; ++dy) {
                auto* line = reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(surface->pixels) +
                                                              static_cast<std::ptrdiff_t>(y * scale_ + dy) * surface->pitch);
                std::fill_n(line + static_cast<std::ptrdiff_t>(x) * scale_, scale_, pixel);
            }
        }
    }
}

}  // namespace vork::platform
