#include "tests/window/harness/FakeMotion.h"

#include <X11/extensions/XTest.h>

namespace vork::testing {

void FakeMotion(XConnection& x, Point onScreen) {
    XTestFakeMotionEvent(x.Get(), DefaultScreen(x.Get()), onScreen.X, onScreen.Y, CurrentTime);
    XFlush(x.Get());
}

}  // namespace vork::testing
