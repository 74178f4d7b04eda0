#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/PixelRect.h"

// What the page's JavaScript host (platform/web/host/) does for the game: one
// group of imports per service, each named after its host file. Everything
// that decides anything stays on this side.
#define VORK_HOST(name) __attribute__((import_module("vork"), import_name(#name)))

namespace vork::platform::web {

// One input event from the page. Positions and motion are in picture pixels.
struct HostEvent {
    enum Kind : std::int32_t {
        None = 0,
        Move = 1,    // the pointer is at (X, Y)
        Motion = 2,  // the pointer moved by (X, Y): while the page holds it
        Press = 3,   // a button went down at (X, Y)
        Place = 4,   // a finger or a pen touches (X, Y): kept inside a hold
    };
    Kind What;
    std::int32_t Button;  // the game's code of the button pressed
    std::int32_t Shift;   // the game's modifier bits
    std::int32_t Buttons; // buttons held, the game's bits
    float X;
    float Y;
};

extern "C" {
// window.js
VORK_HOST(window_show) void HostWindowShow();
VORK_HOST(window_set_caption) void HostWindowSetCaption(const char* text, std::size_t length);
// The window's icon, 8-bit RGBA: the page's icon.
VORK_HOST(window_set_icon) void HostWindowSetIcon(const std::uint8_t* rgba, int width, int height);

// present.js: `rgba` holds the whole picture; only `rects` changed.
VORK_HOST(present) void HostPresent(const std::uint8_t* rgba, int width, int height, const PixelRect* rects,
                                    int count);

// pointer.js
VORK_HOST(pointer_set_shape) void HostPointerSetShape(int shape);
VORK_HOST(pointer_hold) void HostPointerHold();
VORK_HOST(pointer_release) void HostPointerRelease();
// Where the page draws the pointer while it holds it, hiding the system's.
VORK_HOST(pointer_show_at) void HostPointerShowAt(float x, float y);

// input.js: the oldest event not yet taken; false when there is none.
VORK_HOST(input_next) bool HostInputNext(HostEvent* event);

// wait.js. The two waits suspend the game and resume it later.
VORK_HOST(wait_ticks) std::uint32_t HostTicks();
VORK_HOST(wait_sleep_until) void HostSleepUntil(std::uint32_t tick);
VORK_HOST(wait_for_input) void HostWaitForInput();
}

}  // namespace vork::platform::web
