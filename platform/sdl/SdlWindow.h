#pragma once

#include <memory>
#include <string_view>

#include "platform/Image.h"
#include "platform/sdl/WindowSystem.h"

struct SDL_Window;

namespace vork::platform {

// The game's one top-level window: a fixed client area, a caption, an icon,
// and a close box but no minimise or maximise box where the window system
// lets the game say so.
class SdlWindow {
public:
    // Created hidden; Show puts it on the screen. On a dense X11 screen the
    // client area is `scale` times the picture's size; Wayland compositors
    // scale for the game.
    SdlWindow(int clientWidth, int clientHeight, std::string_view caption, const Image& icon);

    SDL_Window* Get() const { return window_.get(); }
    const WindowSystem& System() const { return system_; }
    // Window pixels per picture pixel.
    int Scale() const { return scale_; }
    void Show();
    void SetCaption(std::string_view caption);

private:
    struct Destroy {
        void operator()(SDL_Window* window) const;
    };
    void ScaleForX11Desktop(int clientWidth, int clientHeight);

    std::unique_ptr<SDL_Window, Destroy> window_;
    WindowSystem system_;
    int scale_ = 1;
};

}  // namespace vork::platform
