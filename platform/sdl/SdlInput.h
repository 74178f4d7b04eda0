#pragma once

#include <cstdint>
#include <deque>

#include "platform/MoveCoalescer.h"

union SDL_Event;

namespace vork::platform {

// Turns SDL's mouse and quit events into the game's events.
class SdlInput {
public:
    explicit SdlInput(MoveCoalescer& events);
    ~SdlInput();
    SdlInput(const SdlInput&) = delete;
    SdlInput& operator=(const SdlInput&) = delete;

    // Delivers `event` if it is input; false if it is something else.
    bool Deliver(const SDL_Event& event);

private:
    struct ButtonModifiers {
        std::uint32_t Timestamp;
        std::int16_t Shift;
    };
    static int Watch(void* self, SDL_Event* event);
    std::int16_t ModifiersOfButtonEvent(std::uint32_t timestamp);

    MoveCoalescer& events_;
    std::deque<ButtonModifiers> buttonModifiers_;
};

}  // namespace vork::platform
