#include "tests/window/harness/CursorProbe.h"

#include <X11/extensions/Xfixes.h>

#include "tests/window/harness/WindowQueries.h"

namespace vork::testing {

std::optional<CursorPicture> CurrentCursor(XConnection& x) {
    int eventBase = 0;
    int errorBase = 0;
    if (!XFixesQueryExtension(x.Get(), &eventBase, &errorBase)) {
        return std::nullopt;
    }
    XFixesCursorImage* image = XFixesGetCursorImage(x.Get());
    if (image == nullptr) {
        return std::nullopt;
    }
    CursorPicture picture{image->width, image->height, image->xhot, image->yhot,
                          std::vector<unsigned long>(image->pixels, image->pixels + image->width * image->height)};
    XFree(image);
    return picture;
}

std::optional<CursorPicture> FontCursorPicture(XConnection& x, unsigned shape) {
    const Point before = PointerOnScreen(x);
    const int screenWidth = DisplayWidth(x.Get(), DefaultScreen(x.Get()));
    const int screenHeight = DisplayHeight(x.Get(), DefaultScreen(x.Get()));
    XSetWindowAttributes attributes{};
    attributes.override_redirect = True;
    attributes.cursor = XCreateFontCursor(x.Get(), shape);
    const ::Window scratch =
        XCreateWindow(x.Get(), x.Root(), screenWidth - 20, screenHeight - 20, 20, 20, 0, CopyFromParent, InputOutput,
                      CopyFromParent, CWOverrideRedirect | CWCursor, &attributes);
    XMapRaised(x.Get(), scratch);
    XSync(x.Get(), False);
    XWarpPointer(x.Get(), None, x.Root(), 0, 0, 0, 0, screenWidth - 10, screenHeight - 10);
    XSync(x.Get(), False);
    auto picture = CurrentCursor(x);
    XWarpPointer(x.Get(), None, x.Root(), 0, 0, 0, 0, before.X, before.Y);
    XDestroyWindow(x.Get(), scratch);
    XFreeCursor(x.Get(), attributes.cursor);
    x.Sync();
    return picture;
}

}  // namespace vork::testing
