#pragma once

#include <cstdint>
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
    // Created hidden; Show puts it on the screen. On a dense X11 or Windows
    // screen the client area is `scale` times the picture's size; Wayland
    // compositors scale for the game.
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
    // SDL_CreateWindow, with the window system's own needs.
    static SDL_Window* Create(const char* title, int width, int height, std::uint32_t flags);
    // The window system's own part: the scale of a dense screen, the
    // frame's buttons, the icon. Each system's file says it.
    void FitToDesktop(int clientWidth, int clientHeight, const Image& icon);
    // `desktopScale`, or less if the window would not fit the screen.
    int FittingScale(int desktopScale, int clientWidth, int clientHeight) const;
    void ScaleBy(int scale, int clientWidth, int clientHeight);
    void SetIconPicture(const Image& icon);

    std::unique_ptr<SDL_Window, Destroy> window_;
    WindowSystem system_;
    int scale_ = 1;
};

}  // namespace vork::platform
