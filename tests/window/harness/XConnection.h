#pragma once

#include <X11/Xlib.h>

#include <string>

namespace vork::testing {

// One client connection to the test's X server. Protocol errors (a window
// that has just gone, say) are counted instead of ending the process.
class XConnection {
public:
    explicit XConnection(const std::string& display);
    ~XConnection();
    XConnection(const XConnection&) = delete;
    XConnection& operator=(const XConnection&) = delete;

    Display* Get() const { return display_; }
    ::Window Root() const { return DefaultRootWindow(display_); }
    // Round trip; false if any request since the last call failed.
    bool Sync();

private:
    Display* display_ = nullptr;
};

}  // namespace vork::testing
