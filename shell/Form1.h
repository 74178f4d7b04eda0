#pragma once

#include <cstdint>

#include "platform/EventSink.h"
#include "platform/Platform.h"
#include "rally/MatchState.h"
#include "rally/RallyEngine.h"

namespace vork::shell {

// The game window: it owns the match and answers the window's events.
class Form1 final : public platform::EventSink {
public:
    explicit Form1(platform::Platform& platform);

    // Runs once, before the window is first shown: colours, match phase and
    // the title screen.
    void OnWindowLoad();
    void OnWindowClose() override;
    void OnMouseButton(std::int16_t button, std::int16_t shift, float x, float y) override;
    void OnMouseMove(std::int16_t button, std::int16_t shift, float x, float y) override;
    void CHAN(std::int16_t& XY) { Rally.CHAN(XY); }

    // Waits for and handles events until the program ends; never returns.
    [[noreturn]] void Run();

    rally::MatchState State;
    rally::RallyEngine Rally;

private:
    platform::Platform& platform_;
};

}  // namespace vork::shell
