#include "platform/sdl/SdlPlatform.h"

#include <SDL.h>

#include <stdexcept>
#include <utility>

namespace vork::platform {
namespace {

using Milliseconds = std::chrono::milliseconds;

// SDL applies some of what the window system reports only at a later pump
// (EventWait::LateInputWindow), so after input SDL is pumped this often for
// a while even when nothing new arrives; so it is in a rally.
constexpr auto PumpInterval = Milliseconds(100);
constexpr auto QuickLookInterval = Milliseconds(1);

std::int64_t MillisecondsSinceBoot() {
    return std::chrono::duration_cast<Milliseconds>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

}  // namespace

SdlPlatform::SdlPlatform(int clientWidth, int clientHeight, std::string_view caption, const Image& icon)
    : Platform(clientWidth, clientHeight),
      ends_(ListenForEndRequests()),
      window_(clientWidth, clientHeight, caption, icon),
      pointer_(window_.Get(), window_.System().Is, window_.Scale()),
      presenter_(PresenterFor(window_.Get(), window_.System(), clientWidth, clientHeight, window_.Scale())),
      wait_(WaitOn(window_.System(), *ends_)),
      input_(Events(), window_.Scale()) {
    ends_->Watch(window_.System());
}

void SdlPlatform::ShowWindow() {
    window_.Show();
    repaint_ = true;
    Present();
}

std::uint32_t SdlPlatform::GetTickCount() { return static_cast<std::uint32_t>(MillisecondsSinceBoot()); }

void SdlPlatform::PumpEvents() {
    // What a wait for input found is taken as it is. Otherwise the connection
    // is looked at, unless it was less than a millisecond ago, as when a
    // frame's drawing follows the look that released it: what arrives in
    // between is taken at the next look, still within the frame.
    const Clock::time_point now = Clock::now();
    if (found_ || now - lastLook_ >= QuickLookInterval) {
        TakeInput(found_ ? *std::exchange(found_, std::nullopt) : wait_->Poll());
        lastLook_ = now;
    }
    SDL_Event event;
    while (SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0) {
        Dispatch(event);
    }
    Events().Flush();
    if (repaint_ || !Picture().Changes().Empty()) {
        Present();
    }
}

// SDL reads the connection only when it has something: SDL's own pump tries
// a read per event it looks for, most of them finding nothing.
void SdlPlatform::TakeInput(const EventWait::Ready& ready) {
    if (ready.Signal && ends_->Take()) {
        Events().Close();
    }
    if (ready.DisplayLost) {
        throw std::runtime_error("lost the connection to the display");
    }
    const Clock::time_point now = Clock::now();
    if (ready.Display || now - lastSdlPump_ >= PumpInterval) {
        SDL_PumpEvents();
        lastSdlPump_ = now;
        if (ready.Display) {
            lastInput_ = now;
        }
    }
}

void SdlPlatform::Dispatch(const SDL_Event& event) {
    if (input_.Deliver(event)) {
        if (event.type == SDL_MOUSEMOTION && input_.RealPointer()) {
            pointer_.MovedTo(input_.RealPointer()->X, input_.RealPointer()->Y, event.motion.x, event.motion.y);
        }
        return;
    }
    if (event.type != SDL_WINDOWEVENT) {
        return;
    }
    switch (event.window.event) {
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_SHOWN:
        case SDL_WINDOWEVENT_SIZE_CHANGED:  // on Wayland, also a new output scale
            repaint_ = true;
            break;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            pointer_.FocusGained();
            // A Wayland title bar drawn for the new focus shows only with the
            // window's next commit: an idle title screen must make one.
            repaint_ = true;
            break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
            repaint_ = true;
            break;
        default:
            break;
    }
}

void SdlPlatform::SleepUntil(std::uint32_t tick) {
    // The instant the tick counter reaches `tick`, on the clock it counts.
    const std::int64_t now = MillisecondsSinceBoot();
    const std::int32_t remaining = static_cast<std::int32_t>(tick - static_cast<std::uint32_t>(now));
    if (remaining <= 0) {
        return;
    }
    // A signal cuts the sleep short; the pump that follows takes it and ends
    // the game.
    const EventWait::Ready ready = wait_->SleepUntil(Clock::time_point(Milliseconds(now + remaining)));
    if (ready.Signal) {
        found_ = ready;
    }
}

void SdlPlatform::WaitForInput() {
    const bool settling = Clock::now() - lastInput_ < wait_->LateInputWindow();
    found_ = wait_->WaitForInput(settling ? std::optional<Clock::duration>(PumpInterval) : std::nullopt);
}

int SdlPlatform::DrawText(std::string_view text, int x, int y, double points, Rgb colour) {
    return font_.Draw(Picture(), text, x, y, points, colour);
}

void SdlPlatform::Present() {
    presenter_->Present(Picture(), repaint_);
    Picture().ForgetChanges();
    repaint_ = false;
}

}  // namespace vork::platform
