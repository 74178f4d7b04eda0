#include "platform/sdl/X11Window.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xresource.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace vork::platform::x11 {
namespace {

constexpr double BaseDpi = 96;

int ScaleFromResources(Display* display) {
    const char* resources = XResourceManagerString(display);
    if (resources == nullptr) {
        return 1;
    }
    XrmInitialize();
    XrmDatabase database = XrmGetStringDatabase(resources);
    char* type = nullptr;
    XrmValue value{};
    double dpi = BaseDpi;
    if (XrmGetResource(database, "Xft.dpi", "Xft.Dpi", &type, &value) && value.addr != nullptr) {
        dpi = std::atof(value.addr);
    }
    XrmDestroyDatabase(database);
    return static_cast<int>(dpi / BaseDpi);
}

}  // namespace

int DesktopScale(Display* display) {
    const char* gdkScale = std::getenv("GDK_SCALE");
    const int scale = gdkScale != nullptr && *gdkScale != '\0' ? std::atoi(gdkScale) : ScaleFromResources(display);
    return std::max(scale, 1);
}

void OfferOnlyMoveAndClose(Display* display, unsigned long window) {
    // The layout of _MOTIF_WM_HINTS: flags, functions, decorations, input
    // mode, status.
    enum : unsigned long { Functions = 1, Decorations = 2 };
    enum : unsigned long { FunctionMove = 4, FunctionClose = 32 };
    enum : unsigned long { DecorBorder = 2, DecorTitle = 8, DecorMenu = 16 };
    const unsigned long hints[5] = {Functions | Decorations, FunctionMove | FunctionClose,
                                    DecorBorder | DecorTitle | DecorMenu, 0, 0};
    const Atom property = XInternAtom(display, "_MOTIF_WM_HINTS", False);
    XChangeProperty(display, window, property, property, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(hints), 5);
}

}  // namespace vork::platform::x11
