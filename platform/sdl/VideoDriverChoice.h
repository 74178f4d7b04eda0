#pragma once

namespace vork::platform {

// Tells SDL which video drivers to try, in order: Wayland first in a
// Wayland session, X11 otherwise and as the fallback. A player's own
// SDL_VIDEODRIVER still wins. Call before SDL_Init.
void ChooseVideoDriver();

}  // namespace vork::platform
