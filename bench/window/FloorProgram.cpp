// The floor the game is measured against: the cheapest known way to show a
// picture like the game's. A 24 x 24 square crosses a 240 x 335 grey picture
// one pixel a frame; each frame sends only the rectangle that changed, with
// XPutImage and a flush and no reply awaited, then sleeps in one ppoll on the
// X connection until the frame's absolute 10 ms deadline.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int Width = 240;
constexpr int Height = 335;
constexpr int Side = 24;
constexpr std::uint32_t Grey = 0x808080;
constexpr std::uint32_t Blue = 0x0000FF;

std::uint32_t pixels[Width * Height];

void Paint(int left, int top, std::uint32_t colour) {
    for (int y = top; y < top + Side; ++y) {
        std::fill_n(pixels + y * Width + left, Side, colour);
    }
}

// Handles what has arrived; true if the window needs all of its picture again.
bool HandleEvents(Display* display) {
    bool exposed = false;
    while (XPending(display) > 0) {
        XEvent event;
        XNextEvent(display, &event);
        exposed = exposed || event.type == Expose;
    }
    return exposed;
}

}  // namespace

int main() {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fputs("vork_floor: no X display\n", stderr);
        return 1;
    }
    const int screen = DefaultScreen(display);
    const Window window = XCreateSimpleWindow(display, RootWindow(display, screen), 600, 0, Width, Height, 0, 0, Grey);
    XStoreName(display, window, "vork floor");
    XSelectInput(display, window, ExposureMask);
    XMapWindow(display, window);
    const GC gc = XCreateGC(display, window, 0, nullptr);
    std::fill(std::begin(pixels), std::end(pixels), Grey);
    XImage* image = XCreateImage(display, DefaultVisual(display, screen), static_cast<unsigned>(DefaultDepth(display, screen)),
                                 ZPixmap, 0, reinterpret_cast<char*>(pixels), Width, Height, 32, Width * 4);
    image->byte_order = LSBFirst;

    int x = 0;
    int y = 150;
    int dx = 1;
    int dy = 1;
    Clock::time_point deadline = Clock::now();
    for (;;) {
        const int oldX = x;
        const int oldY = y;
        if (x + dx < 0 || x + dx > Width - Side) dx = -dx;
        if (y + dy < 0 || y + dy > Height - Side) dy = -dy;
        x += dx;
        y += dy;
        Paint(oldX, oldY, Grey);
        Paint(x, y, Blue);
        const int left = std::min(x, oldX);
        const int top = std::min(y, oldY);
        XPutImage(display, window, gc, image, left, top, left, top, Side + 1, Side + 1);
        XFlush(display);

        // A frame late by more than a period (the benchmark stops and
        // resumes this program) restarts the beat instead of catching up.
        deadline = std::max(deadline + std::chrono::milliseconds(10), Clock::now() - std::chrono::milliseconds(1));
        for (;;) {
            const auto left = std::max(deadline - Clock::now(), Clock::duration::zero());
            const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(left).count();
            const timespec timeout{static_cast<time_t>(ns / 1'000'000'000), static_cast<long>(ns % 1'000'000'000)};
            pollfd ready{ConnectionNumber(display), POLLIN, 0};
            if (ppoll(&ready, 1, &timeout, nullptr) > 0 && HandleEvents(display)) {
                XPutImage(display, window, gc, image, 0, 0, 0, 0, Width, Height);
                XFlush(display);
            }
            if (Clock::now() >= deadline) {
                break;
            }
        }
    }
}
