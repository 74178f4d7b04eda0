#pragma once

#include <SDL_rect.h>

#include <memory>
#include <vector>

#include "platform/sdl/Presenter.h"

struct SDL_Window;
struct SDL_Surface;

namespace vork::platform {

// Writes the picture into SDL's window surface and shows only the
// rectangles that changed. On Windows that surface is a GDI bitmap copied
// to the window with BitBlt: no Direct3D, no renderer, exact pixels.
class SurfacePresenter final : public Presenter {
public:
    // Shows a width x height picture with each pixel as a scale x scale
    // block; nullptr when the window has no surface.
    static std::unique_ptr<SurfacePresenter> Create(SDL_Window* window, int width, int height, int scale);

    void Present(const Image& picture, bool everything) override;

private:
    SurfacePresenter(SDL_Window* window, SDL_Surface* surface, int scale)
        : window_(window), surface_(surface), scale_(scale) {
        shown_.reserve(Damage::Capacity);
    }
    // Writes the picture's pixels under `rect` into the surface, as blocks.
    void Convert(SDL_Surface* surface, const Image& picture, const PixelRect& rect) const;

    SDL_Window* window_;
    SDL_Surface* surface_;  // the one last written
    int scale_;
    // The window's rectangles a present updates, kept so that a frame
    // allocates nothing.
    std::vector<SDL_Rect> shown_;
};

}  // namespace vork::platform
