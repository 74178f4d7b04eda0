#pragma once

typedef struct _XDisplay Display;

// What SDL 2.26 does not do for an X11 window.
namespace vork::platform::x11 {

// The whole scale the desktop asks for: GDK_SCALE if set, else the font
// resolution (Xft.dpi) over 96, rounded down; at least 1.
int DesktopScale(Display* display);

// Tells the window manager, through the Motif hints most of them read, that
// the window can be moved and closed but not resized, minimised or
// maximised, and is decorated with a title bar and a close box only.
void OfferOnlyMoveAndClose(Display* display, unsigned long window);

}  // namespace vork::platform::x11
