#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/sdl/PixelBlocks.h"
#include "platform/sdl/Presenter.h"

typedef struct _XDisplay Display;
typedef struct _XGC* GC;
struct _XImage;

namespace vork::platform {

// Writes the picture straight into the X11 window: only the rows and columns
// that really changed, converted once into the server's pixel format and
// sent with XPutImage, with no reply awaited. SDL's own presents convert and
// send the whole picture and then wait for a round trip, every frame.
class X11Presenter final : public Presenter {
public:
    // Shows a width x height picture with each pixel as a scale x scale
    // block. nullptr when the window's visual is not one this writes (true or
    // direct colour, 8 bits a channel in 32-bit pixels); every desktop today has one.
    static std::unique_ptr<X11Presenter> Create(Display* display, unsigned long window, int width, int height,
                                                int scale);
    ~X11Presenter() override;

    void Present(const Image& picture, bool everything) override;

private:
    // Columns of one row; Right is exclusive.
    struct Span {
        int Left;
        int Right;
        bool Empty() const { return Left >= Right; }
        // The columns of both and those between; an empty span adds nothing.
        Span United(Span other) const {
            return other.Empty() ? *this
                   : Empty()     ? other
                                 : Span{std::min(Left, other.Left), std::max(Right, other.Right)};
        }
    };
    X11Presenter(Display* display, unsigned long window, int width, int height, int scale, _XImage* image,
                 PixelLayout layout);
    // Brings `span` of row `y` on the screen's copy up to the picture;
    // returns the columns that differed.
    Span Update(const Image& picture, int y, Span span);
    void Convert(const Rgb* pixels, int y, Span span);
    void Send(int left, int top, int right, int bottom);

    Display* display_;
    unsigned long window_;
    GC gc_;
    int scale_;
    PixelLayout layout_;
    // What the window shows: as the picture had it, to find changes with a
    // fast compare, and in the server's format, to send them from.
    Image shown_;
    _XImage* image_;
    std::vector<Span> changed_;
};

}  // namespace vork::platform
