#pragma once

#include <memory>
#include <string_view>

#include "platform/Image.h"

struct SDL_Window;

namespace vork::platform {

// The game's one top-level window: a fixed client area, a caption, an icon.
class SdlWindow {
public:
    // Created hidden; Show puts it on the screen.
    SdlWindow(int clientWidth, int clientHeight, std::string_view caption, const Image& icon);

    SDL_Window* Get() const { return window_.get(); }
    void Show();
    void SetCaption(std::string_view caption);

private:
    struct Destroy {
        void operator()(SDL_Window* window) const;
    };
    std::unique_ptr<SDL_Window, Destroy> window_;
};

}  // namespace vork::platform
