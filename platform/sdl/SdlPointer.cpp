#include "platform/sdl/SdlPointer.h"

#include <SDL.h>

#include <stdexcept>
#include <string>

namespace vork::platform {
namespace {

SDL_Cursor* SystemCursor(SDL_SystemCursor shape) {
    SDL_Cursor* cursor = SDL_CreateSystemCursor(shape);
    if (cursor == nullptr) {
        throw std::runtime_error(std::string("cannot create a pointer shape: ") + SDL_GetError());
    }
    return cursor;
}

}  // namespace

void SdlPointer::Free::operator()(SDL_Cursor* cursor) const { SDL_FreeCursor(cursor); }

SdlPointer::SdlPointer(SDL_Window* window, WindowSystem::Kind system, int scale)
    : window_(window),
      system_(system),
      scale_(scale),
      arrow_(SystemCursor(SDL_SYSTEM_CURSOR_ARROW)),
      crossHair_(SystemCursor(SDL_SYSTEM_CURSOR_CROSSHAIR)) {}

SdlPointer::~SdlPointer() { Hold(std::nullopt); }

void SdlPointer::SetShape(MousePointer shape) {
    SDL_SetCursor(shape == MousePointer::CrossHair ? crossHair_.get() : arrow_.get());
}

void SdlPointer::Hold(std::optional<ClientRect> area) {
    if (area) {
        area_ = ClientRect{area->Left * scale_, area->Top * scale_, area->Right * scale_, area->Bottom * scale_};
    } else {
        area_.reset();
    }
    Apply();
    // A player in a rally is at the screen; one looking at the title may
    // have walked away, and the screensaver is then welcome.
    if (area_) {
        SDL_DisableScreenSaver();
    } else {
        SDL_EnableScreenSaver();
    }
}

void SdlPointer::FocusGained() {
    if (area_) {
        Apply();
    }
}

void SdlPointer::MovedTo(int x, int y) {
    const bool inside = area_ && area_->Contains(x, y);
    // A Wayland compositor may hold the pointer only from a request made
    // while it is inside the area (weston does so): when the pointer comes
    // in from outside, the hold is asked for again.
    if (inside && !inside_) {
        Apply();
    }
    inside_ = inside;
}

void SdlPointer::Apply() {
    // On X11 the barriers of SDL's hold stop relative motion only; a grab
    // keeps tablets and remote desktops, which move the pointer absolutely,
    // in the window too, and SDL still reports positions inside the area.
    const bool grab = area_.has_value() && system_ == WindowSystem::X11;
    SDL_SetWindowMouseGrab(window_, grab ? SDL_TRUE : SDL_FALSE);
    if (!area_) {
        SDL_SetWindowMouseRect(window_, nullptr);
        return;
    }
    const SDL_Rect rect{area_->Left, area_->Top, area_->Width(), area_->Height()};
    SDL_SetWindowMouseRect(window_, &rect);
}

}  // namespace vork::platform
