#pragma once

#include <memory>

#include "platform/Image.h"
#include "platform/sdl/WindowSystem.h"

struct SDL_Window;

namespace vork::platform {

// Puts the picture on the screen.
class Presenter {
public:
    virtual ~Presenter() = default;

    // Shows what the picture changed since the last present, or all of it
    // when the screen lost its copy (the window was covered, or just shown).
    virtual void Present(const Image& picture, bool everything) = 0;
};

// The window system's own way of showing the picture, written straight into
// the window (on X11 with XPutImage, on Wayland in buffers of shared memory,
// on Windows with GDI through SDL's window surface); nullptr where there is
// none. Each system's file says it.
std::unique_ptr<Presenter> DirectPresenterFor(SDL_Window* window, const WindowSystem& system, int width, int height,
                                              int scale);

// The cheapest presenter the window system allows, for a width x height
// picture shown at `scale` window pixels per picture pixel.
std::unique_ptr<Presenter> PresenterFor(SDL_Window* window, const WindowSystem& system, int width, int height,
                                        int scale);

}  // namespace vork::platform
