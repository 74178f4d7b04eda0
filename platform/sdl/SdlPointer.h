#pragma once

#include <memory>
#include <optional>

#include "platform/Platform.h"
#include "platform/sdl/WindowSystem.h"

struct SDL_Window;
struct SDL_Cursor;

namespace vork::platform {

// The pointer over the game window: its shape, and the hold that keeps it in
// one part of the client area, given in picture pixels.
class SdlPointer {
public:
    SdlPointer(SDL_Window* window, WindowSystem::Kind system, int scale);
    ~SdlPointer();
    SdlPointer(const SdlPointer&) = delete;
    SdlPointer& operator=(const SdlPointer&) = delete;

    void SetShape(MousePointer shape);
    void Hold(std::optional<ClientRect> area);
    // SDL drops the hold when the window loses the focus and would restore
    // it only once the pointer re-entered the window.
    void FocusGained();
    // Where the pointer went, in window pixels: `real` by SDL's relative
    // motion, `shown` where SDL reports it, kept inside the hold.
    void MovedTo(int realX, int realY, int shownX, int shownY);

private:
    struct Free {
        void operator()(SDL_Cursor* cursor) const;
    };
    void Apply();

    SDL_Window* window_;
    WindowSystem::Kind system_;
    int scale_;
    std::unique_ptr<SDL_Cursor, Free> arrow_;
    std::unique_ptr<SDL_Cursor, Free> crossHair_;
    std::optional<ClientRect> area_;  // in window pixels
    // The hold was asked for while the pointer may have been outside the area.
    bool comingIn_ = false;
};

}  // namespace vork::platform
