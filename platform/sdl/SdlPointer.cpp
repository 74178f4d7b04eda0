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
    comingIn_ = area_.has_value();
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
        comingIn_ = true;
    }
}

void SdlPointer::MovedTo(int realX, int realY, int shownX, int shownY) {
    if (!comingIn_) {
        return;
    }
    // On Wayland SDL 2.26 works its relative motion out from positions it
    // has already kept inside the area, so a pointer still outside seems to
    // come in at its first move. There a pointer is surely inside only where
    // SDL shows it off the area's edge, to which it takes one from outside.
    const PixelRect within{area_->Left + 1, area_->Top + 1, area_->Right - 1, area_->Bottom - 1};
    const bool inside =
        system_ == WindowSystem::Wayland ? within.Contains(shownX, shownY) : area_->Contains(realX, realY);
    // A Wayland compositor may hold the pointer only from a request made
    // while it is inside the area (weston and KWin do so): once it is, the
    // hold is asked for again, and then held it stays inside.
    if (inside) {
        Apply();
        comingIn_ = false;
    }
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
