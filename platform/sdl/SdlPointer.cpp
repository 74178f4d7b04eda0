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

SdlPointer::SdlPointer(SDL_Window* window)
    : window_(window),
      arrow_(SystemCursor(SDL_SYSTEM_CURSOR_ARROW)),
      crossHair_(SystemCursor(SDL_SYSTEM_CURSOR_CROSSHAIR)) {}

SdlPointer::~SdlPointer() { SDL_SetWindowMouseRect(window_, nullptr); }

void SdlPointer::SetShape(MousePointer shape) {
    SDL_SetCursor(shape == MousePointer::CrossHair ? crossHair_.get() : arrow_.get());
}

void SdlPointer::Hold(std::optional<ClientRect> area) {
    area_ = area;
    Apply();
}

void SdlPointer::FocusGained() {
    if (area_) {
        Apply();
    }
}

void SdlPointer::Apply() {
    if (!area_) {
        SDL_SetWindowMouseRect(window_, nullptr);
        return;
    }
    const SDL_Rect rect{area_->Left, area_->Top, area_->Right - area_->Left, area_->Bottom - area_->Top};
    SDL_SetWindowMouseRect(window_, &rect);
}

}  // namespace vork::platform
