#pragma once

#include <cstdint>
#include <deque>
#include <optional>

#include "platform/MoveCoalescer.h"

union SDL_Event;

namespace vork::platform {

// Turns SDL's mouse and quit events into the game's events, with positions
// in picture pixels however large the window shows the picture.
class SdlInput {
public:
    // `scale` window pixels make one picture pixel.
    SdlInput(MoveCoalescer& events, int scale);
    ~SdlInput();
    SdlInput(const SdlInput&) = delete;
    SdlInput& operator=(const SdlInput&) = delete;

    // Delivers `event` if it is input; false if it is something else.
    bool Deliver(const SDL_Event& event);

    struct WindowPoint {
        int X;
        int Y;
    };
    // The pointer's position in window pixels as the window system gave it:
    // SDL keeps the positions it reports inside the pointer's hold, but its
    // relative motion follows the real pointer.
    std::optional<WindowPoint> RealPointer() const { return real_; }

private:
    struct ButtonModifiers {
        std::uint32_t Timestamp;
        std::int16_t Shift;
    };
    static int Watch(void* self, SDL_Event* event);
    std::int16_t ModifiersOfButtonEvent(std::uint32_t timestamp);
    float ToPicture(int windowPixels) const;

    MoveCoalescer& events_;
    int scale_;
    std::deque<ButtonModifiers> buttonModifiers_;
    std::optional<WindowPoint> real_;
};

}  // namespace vork::platform
