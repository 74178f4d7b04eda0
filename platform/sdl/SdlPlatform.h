#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

#include "platform/ClockSeededRandom.h"
#include "platform/Platform.h"
#include "platform/SdlFont.h"
#include "platform/sdl/EndRequests.h"
#include "platform/sdl/EventWait.h"
#include "platform/sdl/Presenter.h"
#include "platform/sdl/SdlInput.h"
#include "platform/sdl/SdlPointer.h"
#include "platform/sdl/SdlSession.h"
#include "platform/sdl/SdlWindow.h"

union SDL_Event;

namespace vork::platform {

// The platform on a real desktop, through SDL2: a fixed-size window whose
// client area shows the persistent picture pixel for pixel.
class SdlPlatform final : public Platform {
public:
    // Creates the window hidden; ShowWindow puts it on the screen.
    SdlPlatform(int clientWidth, int clientHeight, std::string_view caption, const Image& icon);

    void ShowWindow() override;

    void SetCaption(std::string_view caption) override { window_.SetCaption(caption); }
    void SetMousePointer(MousePointer shape) override { pointer_.SetShape(shape); }
    void ClipCursor(std::optional<ClientRect> area) override { pointer_.Hold(area); }
    std::uint32_t GetTickCount() override;
    void PumpEvents() override;
    void SleepUntil(std::uint32_t tick) override;
    void WaitForInput() override;
    double Random() override { return random_.Next(); }
    void ReseedRandomFromClock() override { random_.Reseed(); }

protected:
    int DrawText(std::string_view text, int x, int y, double points, Rgb colour) override;

private:
    using Clock = EventWait::Clock;

    void TakeInput(const EventWait::Ready& ready);
    void Dispatch(const SDL_Event& event);
    void Present();

    // Declared in the order they must come up: the signals are blocked
    // before SDL can start a thread.
    std::unique_ptr<EndRequests> ends_;
    SdlSession session_;
    SdlWindow window_;
    SdlPointer pointer_;
    std::unique_ptr<Presenter> presenter_;
    std::unique_ptr<EventWait> wait_;
    SdlInput input_;
    SdlFont font_;

    Clock::time_point lastSdlPump_{};
    Clock::time_point lastInput_{};
    Clock::time_point lastLook_{};
    std::optional<EventWait::Ready> found_;
    bool repaint_ = false;
    ClockSeededRandom random_;
};

}  // namespace vork::platform
