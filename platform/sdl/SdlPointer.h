#pragma once

#include <memory>
#include <optional>

#include "platform/Platform.h"

struct SDL_Window;
struct SDL_Cursor;

namespace vork::platform {

// The pointer over the game window: its shape, and the hold that keeps it
// in one part of the client area.
class SdlPointer {
public:
    explicit SdlPointer(SDL_Window* window);
    ~SdlPointer();
    SdlPointer(const SdlPointer&) = delete;
    SdlPointer& operator=(const SdlPointer&) = delete;

    void SetShape(MousePointer shape);
    void Hold(std::optional<ClientRect> area);
    // SDL drops the hold when the window loses the focus and would restore
    // it only once the pointer re-entered the window.
    void FocusGained();

private:
    struct Free {
        void operator()(SDL_Cursor* cursor) const;
    };
    void Apply();

    SDL_Window* window_;
    std::unique_ptr<SDL_Cursor, Free> arrow_;
    std::unique_ptr<SDL_Cursor, Free> crossHair_;
    std::optional<ClientRect> area_;
};

}  // namespace vork::platform
