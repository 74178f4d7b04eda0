#include "tests/window/harness/Cover.h"

#include "tests/window/harness/Deadline.h"
#include "tests/window/harness/WindowQueries.h"

namespace vork::testing {

Cover::Cover(XConnection& x, const Box& onScreen) : x_(x), area_(onScreen) {
    Display* display = x_.Get();
    XSetWindowAttributes attributes{};
    attributes.override_redirect = True;
    attributes.background_pixel = BlackPixel(display, DefaultScreen(display));
    window_ = XCreateWindow(display, x_.Root(), area_.Left, area_.Top, static_cast<unsigned>(area_.Width()),
                            static_cast<unsigned>(area_.Height()), 0, CopyFromParent, InputOutput, CopyFromParent,
                            CWOverrideRedirect | CWBackPixel, &attributes);
    XMapRaised(display, window_);
    x_.Sync();
}

Cover::~Cover() {
    XDestroyWindow(x_.Get(), window_);
    x_.Sync();
}

bool Cover::WaitUntilShown() {
    const platform::Image black(area_.Width(), area_.Height(), {0, 0, 0});
    return WaitUntil(
        [&] {
            auto shot = GrabArea(x_, x_.Root(), area_);
            return shot && *shot == black;
        },
        2s);
}

}  // namespace vork::testing
