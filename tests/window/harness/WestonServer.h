#pragma once

#include <sys/types.h>

#include <string>
#include <string_view>
#include <vector>

#include "platform/Image.h"
#include "tests/window/harness/Geometry.h"
#include "tests/window/harness/PrivateFolder.h"
#include "tests/window/harness/WaylandDesktop.h"
#include "tests/window/harness/XvfbServer.h"

namespace vork::testing {

// A Wayland desktop of its own: weston nested in a window of the test's X
// server (x11 backend, CPU rendering), with a private runtime folder, socket
// and configuration, for the life of the object. desktop-shell without a
// panel, so nothing but the clients and a plain background is drawn; the
// debug protocol is on, so the scene graph and screenshots can be read.
class WestonServer {
public:
    // Output size, in pixels at scale 1.
    static constexpr Point OutputSize = WaylandDesktop::OutputSize;
    static constexpr platform::Rgb Background{32, 64, 96};

    // At `scale` device pixels per logical one, as on a dense screen: the
    // window on the X server is that many times the output size.
    explicit WestonServer(const XvfbServer& x, int scale = 1);
    // Headless instead, as a kiosk's compositor may run: no input devices,
    // so no seat at all.
    struct WithoutSeat {};
    explicit WestonServer(WithoutSeat);
    ~WestonServer();
    WestonServer(const WestonServer&) = delete;
    WestonServer& operator=(const WestonServer&) = delete;

    int Scale() const { return scale_; }
    // WAYLAND_DISPLAY and XDG_RUNTIME_DIR, for a client of this server.
    std::vector<std::string> ClientEnvironment() const;
    // Runs a client to its end (weston-debug, weston-screenshooter...), its
    // output thrown away; false if it failed or hung.
    bool RunClient(const std::vector<std::string>& argv, const std::vector<std::string>& extraEnvironment = {}) const;
    // A file or folder name inside the server's private folder.
    std::string PrivatePath(std::string_view name) const;
    // The whole text of a file there; empty if there is none.
    std::string ReadPrivateFile(std::string_view name) const;

private:
    WestonServer(const std::vector<std::string>& backend, std::vector<std::string> environment, int scale);
    bool IsReady() const;

    PrivateFolder folder_;
    int scale_;
    pid_t pid_ = -1;
};

}  // namespace vork::testing
