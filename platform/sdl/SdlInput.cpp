#include "platform/sdl/SdlInput.h"

#include <SDL.h>

#include "platform/EventSink.h"

namespace vork::platform {
namespace {

std::int16_t ModifierBits(SDL_Keymod mods) {
    std::int16_t bits = 0;
    if ((mods & KMOD_SHIFT) != 0) bits |= Modifier::Shift;
    if ((mods & KMOD_CTRL) != 0) bits |= Modifier::Ctrl;
    if ((mods & KMOD_ALT) != 0) bits |= Modifier::Alt;
    return bits;
}

std::int16_t ButtonCode(std::uint8_t button) {
    switch (button) {
        case SDL_BUTTON_LEFT: return Button::Left;
        case SDL_BUTTON_RIGHT: return Button::Right;
        case SDL_BUTTON_MIDDLE: return Button::Middle;
        default: return static_cast<std::int16_t>(8 << (button - SDL_BUTTON_X1));
    }
}

std::int16_t HeldButtons(std::uint32_t state) {
    std::int16_t bits = 0;
    if ((state & SDL_BUTTON_LMASK) != 0) bits |= Button::Left;
    if ((state & SDL_BUTTON_RMASK) != 0) bits |= Button::Right;
    if ((state & SDL_BUTTON_MMASK) != 0) bits |= Button::Middle;
    return bits;
}

}  // namespace

SdlInput::SdlInput(MoveCoalescer& events, int scale) : events_(events), scale_(scale) {
    SDL_AddEventWatch(&SdlInput::Watch, this);
}

SdlInput::~SdlInput() { SDL_DelEventWatch(&SdlInput::Watch, this); }

int SdlInput::Watch(void* self, SDL_Event* event) {
    // Mouse events carry no modifiers, so the keyboard state is noted here, in
    // event order, as each button event is queued: by the time the event is
    // handled the keys may long have been released.
    if (event->type == SDL_MOUSEBUTTONDOWN) {
        static_cast<SdlInput*>(self)->buttonModifiers_.push_back(
            {event->button.timestamp, ModifierBits(SDL_GetModState())});
    }
    return 0;
}

std::int16_t SdlInput::ModifiersOfButtonEvent(std::uint32_t timestamp) {
    while (!buttonModifiers_.empty() && static_cast<std::int32_t>(buttonModifiers_.front().Timestamp - timestamp) < 0) {
        buttonModifiers_.pop_front();
    }
    if (!buttonModifiers_.empty() && buttonModifiers_.front().Timestamp == timestamp) {
        const std::int16_t shift = buttonModifiers_.front().Shift;
        buttonModifiers_.pop_front();
        return shift;
    }
    return ModifierBits(SDL_GetModState());
}

// A window pixel belongs to the picture pixel it shows.
float SdlInput::ToPicture(int windowPixels) const {
    return static_cast<float>(windowPixels >= 0 ? windowPixels / scale_ : -((-windowPixels + scale_ - 1) / scale_));
}

bool SdlInput::Deliver(const SDL_Event& event) {
    switch (event.type) {
        case SDL_MOUSEMOTION:
            real_ = real_ ? WindowPoint{real_->X + event.motion.xrel, real_->Y + event.motion.yrel}
                          : WindowPoint{event.motion.x, event.motion.y};
            events_.Move(HeldButtons(event.motion.state), ModifierBits(SDL_GetModState()), ToPicture(event.motion.x),
                         ToPicture(event.motion.y));
            return true;
        case SDL_MOUSEBUTTONDOWN:
            events_.Button(ButtonCode(event.button.button), ModifiersOfButtonEvent(event.button.timestamp),
                           ToPicture(event.button.x), ToPicture(event.button.y));
            return true;
        case SDL_QUIT:
            events_.Close();
            return true;
        case SDL_WINDOWEVENT:
            if (event.window.event == SDL_WINDOWEVENT_CLOSE) {
                events_.Close();
                return true;
            }
            return false;
        default:
            return false;
    }
}

}  // namespace vork::platform
