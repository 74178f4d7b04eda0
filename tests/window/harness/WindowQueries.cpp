#include "tests/window/harness/WindowQueries.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <functional>
#include <memory>
#include <vector>

namespace vork::testing {
namespace {

struct DestroyImage {
    void operator()(XImage* image) const { XDestroyImage(image); }
};

template <typename T>
struct XFreeDeleter {
    void operator()(T* p) const { XFree(p); }
};

struct Property {
    std::unique_ptr<unsigned char, XFreeDeleter<unsigned char>> Data;
    Atom Type = None;
    int Format = 0;
    unsigned long Count = 0;
};

// Up to `length` 32-bit units of the window's property `name` of `type`.
std::optional<Property> ReadProperty(XConnection& x, ::Window window, Atom name, Atom type, long length) {
    Property property;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(x.Get(), window, name, 0, length, False, type, &property.Type, &property.Format,
                           &property.Count, &after, &data) != Success ||
        data == nullptr) {
        return std::nullopt;
    }
    property.Data.reset(data);
    return property;
}

std::optional<std::string> ReadUtf8Property(XConnection& x, ::Window window, const char* name) {
    const Atom utf8 = XInternAtom(x.Get(), "UTF8_STRING", False);
    const auto property = ReadProperty(x, window, XInternAtom(x.Get(), name, False), utf8, 1024);
    if (!property || property->Type != utf8 || property->Format != 8) {
        return std::nullopt;
    }
    return std::string(reinterpret_cast<const char*>(property->Data.get()), property->Count);
}

bool IsShown(XConnection& x, ::Window window) {
    XWindowAttributes attributes{};
    return XGetWindowAttributes(x.Get(), window, &attributes) != 0 && attributes.map_state == IsViewable;
}

std::optional<::Window> Search(XConnection& x, ::Window window, const std::function<bool(::Window)>& wanted) {
    if (IsShown(x, window) && wanted(window)) {
        return window;
    }
    ::Window root = None;
    ::Window parent = None;
    ::Window* children = nullptr;
    unsigned count = 0;
    if (XQueryTree(x.Get(), window, &root, &parent, &children, &count) == 0) {
        return std::nullopt;
    }
    std::unique_ptr<::Window, XFreeDeleter<::Window>> owned(children);
    for (unsigned i = 0; i < count; ++i) {
        if (auto found = Search(x, children[i], wanted)) {
            return found;
        }
    }
    return std::nullopt;
}

int ChannelShift(unsigned long mask) {
    int shift = 0;
    while (mask != 0 && (mask & 1) == 0) {
        mask >>= 1;
        ++shift;
    }
    return shift;
}

std::uint8_t Channel(unsigned long pixel, unsigned long mask) {
    const unsigned long value = (pixel & mask) >> ChannelShift(mask);
    const unsigned long top = mask >> ChannelShift(mask);
    return static_cast<std::uint8_t>(top == 255 ? value : value * 255 / top);
}

}  // namespace

std::optional<::Window> FindWindow(XConnection& x, const std::function<bool(::Window)>& wanted) {
    auto found = Search(x, x.Root(), wanted);
    x.Sync();  // windows vanishing mid-walk are not a failure
    return found;
}

std::optional<::Window> FindWindowByCaption(XConnection& x, std::string_view caption) {
    return FindWindow(x, [&](::Window window) { return ReadCaption(x, window) == caption; });
}

std::optional<std::string> ReadCaption(XConnection& x, ::Window window) {
    if (auto name = ReadUtf8Property(x, window, "_NET_WM_NAME")) {
        return name;
    }
    char* name = nullptr;
    if (XFetchName(x.Get(), window, &name) == 0 || name == nullptr) {
        return std::nullopt;
    }
    std::string caption(name);
    XFree(name);
    return caption;
}

std::optional<Point> ClientSize(XConnection& x, ::Window window) {
    XWindowAttributes attributes{};
    if (XGetWindowAttributes(x.Get(), window, &attributes) == 0) {
        return std::nullopt;
    }
    return Point{attributes.width, attributes.height};
}

std::optional<Point> ClientOrigin(XConnection& x, ::Window window) {
    int rootX = 0;
    int rootY = 0;
    ::Window child = None;
    if (!XTranslateCoordinates(x.Get(), window, x.Root(), 0, 0, &rootX, &rootY, &child)) {
        return std::nullopt;
    }
    return Point{rootX, rootY};
}

std::optional<platform::Image> GrabClient(XConnection& x, ::Window window) {
    const auto size = ClientSize(x, window);
    if (!size) {
        return std::nullopt;
    }
    return GrabArea(x, window, {0, 0, size->X, size->Y});
}

std::optional<platform::Image> GrabArea(XConnection& x, ::Window window, const Box& area) {
    const Point size{area.Width(), area.Height()};
    std::unique_ptr<XImage, DestroyImage> shot(
        XGetImage(x.Get(), window, area.Left, area.Top, static_cast<unsigned>(area.Width()),
                  static_cast<unsigned>(area.Height()), AllPlanes, ZPixmap),
        DestroyImage{});
    x.Sync();
    if (!shot) {
        return std::nullopt;
    }
    platform::Image picture(size.X, size.Y);
    const bool packed = shot->bits_per_pixel == 32 && shot->red_mask == 0xff0000 && shot->green_mask == 0xff00 &&
                        shot->blue_mask == 0xff && shot->byte_order == LSBFirst;
    for (int y = 0; y < size.Y; ++y) {
        platform::Rgb* row = picture.Row(y);
        const auto* source = reinterpret_cast<const std::uint32_t*>(shot->data + y * shot->bytes_per_line);
        for (int x0 = 0; x0 < size.X; ++x0) {
            const unsigned long pixel = packed ? source[x0] : XGetPixel(shot.get(), x0, y);
            row[x0] = {Channel(pixel, shot->red_mask), Channel(pixel, shot->green_mask),
                       Channel(pixel, shot->blue_mask)};
        }
    }
    picture.Touch();
    return picture;
}

std::optional<std::pair<Point, Point>> SizeLimits(XConnection& x, ::Window window) {
    XSizeHints hints{};
    long supplied = 0;
    if (XGetWMNormalHints(x.Get(), window, &hints, &supplied) == 0 || (hints.flags & PMinSize) == 0 ||
        (hints.flags & PMaxSize) == 0) {
        return std::nullopt;
    }
    return std::pair{Point{hints.min_width, hints.min_height}, Point{hints.max_width, hints.max_height}};
}

std::optional<Point> PointerInClient(XConnection& x, ::Window window) {
    ::Window root = None;
    ::Window child = None;
    int rootX = 0;
    int rootY = 0;
    int windowX = 0;
    int windowY = 0;
    unsigned mask = 0;
    if (!XQueryPointer(x.Get(), window, &root, &child, &rootX, &rootY, &windowX, &windowY, &mask)) {
        return std::nullopt;
    }
    return Point{windowX, windowY};
}

Point PointerOnScreen(XConnection& x) {
    ::Window root = None;
    ::Window child = None;
    Point screen;
    int windowX = 0;
    int windowY = 0;
    unsigned mask = 0;
    XQueryPointer(x.Get(), x.Root(), &root, &child, &screen.X, &screen.Y, &windowX, &windowY, &mask);
    return screen;
}

std::optional<std::pair<std::string, std::string>> WindowClass(XConnection& x, ::Window window) {
    XClassHint hint{};
    if (XGetClassHint(x.Get(), window, &hint) == 0) {
        return std::nullopt;
    }
    std::pair<std::string, std::string> names{hint.res_name, hint.res_class};
    XFree(hint.res_name);
    XFree(hint.res_class);
    return names;
}

std::optional<std::vector<long>> MotifHints(XConnection& x, ::Window window) {
    const Atom hints = XInternAtom(x.Get(), "_MOTIF_WM_HINTS", False);
    const auto property = ReadProperty(x, window, hints, hints, 5);
    if (!property || property->Format != 32) {
        return std::nullopt;
    }
    const auto* values = reinterpret_cast<const long*>(property->Data.get());
    return std::vector<long>(values, values + property->Count);
}

void SendDeleteWindow(XConnection& x, ::Window window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(x.Get(), "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(x.Get(), "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(x.Get(), window, False, NoEventMask, &event);
    x.Sync();
}

}  // namespace vork::testing
