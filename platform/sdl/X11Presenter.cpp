#include "platform/sdl/X11Presenter.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace vork::platform {
namespace {

// The shift that puts an 8-bit channel under `mask`, or -1 if it cannot.
int ChannelShift(unsigned long mask) {
    const int shift = std::countr_zero(mask);
    return mask != 0 && (mask >> shift) == 0xFF ? shift : -1;
}

int BitsPerPixelOfDepth(Display* display, int depth) {
    int count = 0;
    XPixmapFormatValues* formats = XListPixmapFormats(display, &count);
    int bits = 0;
    for (int i = 0; i < count; ++i) {
        if (formats[i].depth == depth) {
            bits = formats[i].bits_per_pixel;
        }
    }
    XFree(formats);
    return bits;
}

}  // namespace

std::unique_ptr<X11Presenter> X11Presenter::Create(Display* display, unsigned long window, int width, int height,
                                                   int scale) {
    XWindowAttributes attributes{};
    // A direct-colour visual (Xvfb's default) works alike: SDL gives the
    // window a colormap that maps each channel to itself.
    if (XGetWindowAttributes(display, window, &attributes) == 0 ||
        (attributes.visual->c_class != TrueColor && attributes.visual->c_class != DirectColor) ||
        BitsPerPixelOfDepth(display, attributes.depth) != 32) {
        return nullptr;
    }
    const Visual& visual = *attributes.visual;
    const int shifts[3] = {ChannelShift(visual.red_mask), ChannelShift(visual.green_mask),
                           ChannelShift(visual.blue_mask)};
    if (std::count(std::begin(shifts), std::end(shifts), -1) > 0) {
        return nullptr;
    }
    const int screenWidth = width * scale;
    const int screenHeight = height * scale;
    // calloc, as XDestroyImage frees the pixels with free().
    auto* pixels = static_cast<char*>(std::calloc(static_cast<std::size_t>(screenWidth) * screenHeight, 4));
    XImage* image = XCreateImage(display, attributes.visual, static_cast<unsigned>(attributes.depth), ZPixmap, 0,
                                 pixels, static_cast<unsigned>(screenWidth), static_cast<unsigned>(screenHeight), 32,
                                 screenWidth * 4);
    if (image == nullptr) {
        std::free(pixels);
        return nullptr;
    }
    // The pixels are written as native 32-bit words; Xlib swaps them for a
    // server of the other byte order.
    image->byte_order = std::endian::native == std::endian::little ? LSBFirst : MSBFirst;
    return std::unique_ptr<X11Presenter>(
        new X11Presenter(display, window, width, height, scale, image, {shifts[0], shifts[1], shifts[2], 0}));
}

X11Presenter::X11Presenter(Display* display, unsigned long window, int width, int height, int scale, XImage* image,
                           PixelLayout layout)
    : display_(display),
      window_(window),
      gc_(XCreateGC(display, window, 0, nullptr)),
      scale_(scale),
      layout_(layout),
      shown_(width, height),
      image_(image),
      changed_(static_cast<std::size_t>(height), Span{0, 0}) {}

X11Presenter::~X11Presenter() {
    XDestroyImage(image_);
    XFreeGC(display_, gc_);
}

void X11Presenter::Present(const Image& picture, bool everything) {
    const int width = shown_.Width();
    const int height = shown_.Height();
    for (const PixelRect& rect : picture.Changes()) {
        const Span columns{std::max(rect.Left, 0), std::min(rect.Right, width)};
        for (int y = std::max(rect.Top, 0); y < std::min(rect.Bottom, height) && !columns.Empty(); ++y) {
            Span& row = changed_[static_cast<std::size_t>(y)];
            row = row.United(Update(picture, y, columns));
        }
    }
    // Consecutive rows that changed go out as one band, as wide as the
    // widest change among them.
    int bandTop = -1;
    Span band{0, 0};
    for (int y = 0; y <= height; ++y) {
        const Span row = y < height ? std::exchange(changed_[static_cast<std::size_t>(y)], Span{0, 0}) : Span{0, 0};
        if (!row.Empty()) {
            band = bandTop < 0 ? row : band.United(row);
            bandTop = bandTop < 0 ? y : bandTop;
        } else if (bandTop >= 0) {
            if (!everything) {
                Send(band.Left, bandTop, band.Right, y);
            }
            bandTop = -1;
        }
    }
    if (everything) {
        Send(0, 0, width, height);
    }
    // Sent, not awaited: the server answers nothing to XPutImage.
    XFlush(display_);
}

X11Presenter::Span X11Presenter::Update(const Image& picture, int y, Span span) {
    const Rgb* now = picture.Row(y);
    Rgb* shown = shown_.Row(y);
    // Most of what a frame redraws (the lines, a mallet at rest) comes out as
    // it was: a wide compare passes over it quickly.
    const auto count = static_cast<std::size_t>(span.Right - span.Left);
    if (std::memcmp(now + span.Left, shown + span.Left, count * sizeof(Rgb)) == 0) {
        return {0, 0};
    }
    int first = span.Left;
    while (now[first] == shown[first]) {
        ++first;
    }
    int last = span.Right - 1;
    while (now[last] == shown[last]) {
        --last;
    }
    std::copy(now + first, now + last + 1, shown + first);
    Convert(now, y, {first, last + 1});
    return {first, last + 1};
}

void X11Presenter::Convert(const Rgb* pixels, int y, Span span) {
    const int stride = shown_.Width() * scale_;
    auto* screen = reinterpret_cast<std::uint32_t*>(image_->data) + static_cast<std::ptrdiff_t>(y) * scale_ * stride;
    WriteBlocks(pixels, span.Left, span.Right, screen, stride, scale_, layout_);
}

void X11Presenter::Send(int left, int top, int right, int bottom) {
    XPutImage(display_, window_, gc_, image_, left * scale_, top * scale_, left * scale_, top * scale_,
              static_cast<unsigned>((right - left) * scale_), static_cast<unsigned>((bottom - top) * scale_));
}

}  // namespace vork::platform
