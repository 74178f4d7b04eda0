#pragma once

#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/Image.h"
#include "tests/window/harness/DesktopPointer.h"
#include "tests/window/harness/Geometry.h"

namespace vork::testing {

enum class Compositor { Weston, Mutter, KWin };
std::ostream& operator<<(std::ostream& out, Compositor compositor);
inline const std::vector<Compositor> AllCompositors{Compositor::Weston, Compositor::Mutter, Compositor::KWin};

// A private Wayland desktop with a user's hand on its pointer, whichever
// compositor runs it. Each tells what it can of its windows: weston and KWin
// show their pixels, Mutter (without a screen cast service) none.
class WaylandDesktop {
public:
    // Every desktop's output, in pixels: the game and its decorations fit
    // with room to spare.
    static constexpr Point OutputSize{640, 480};

    virtual ~WaylandDesktop() = default;

    virtual Compositor Kind() const = 0;
    // What a client needs to join it.
    virtual std::vector<std::string> ClientEnvironment() const = 0;
    virtual DesktopPointer& Pointer() = 0;
    // What the output shows of `area`, in device pixels, without the
    // pointer's image where that can be left out; nullopt if the compositor
    // gives no pictures or this one failed.
    virtual std::optional<platform::Image> Capture(const Box& area) = 0;
    virtual bool GivesPictures() const { return true; }
    // Asks the active window, whose client area lies at `client`, to close
    // as a user would: by default with its title bar's close button as
    // libdecor's cairo plugin draws it, where the compositor draws none.
    virtual void CloseActiveWindow(const Box& client);
    // Device pixels per output pixel.
    virtual int Scale() const { return 1; }
};

std::unique_ptr<WaylandDesktop> StartDesktop(Compositor compositor);

}  // namespace vork::testing
