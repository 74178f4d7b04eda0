#pragma once

#include <sys/types.h>

#include <string>

#include "tests/window/harness/Geometry.h"

namespace vork::testing {

// A private X server on a free display, with no window manager, for the life
// of the object.
class XvfbServer {
public:
    // A screen of `size` pixels, 24 bits deep.
    explicit XvfbServer(Point size = {1024, 768});
    ~XvfbServer();
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    // ":N", for DISPLAY.
    const std::string& DisplayName() const { return display_; }
    Point Size() const { return size_; }
    pid_t Pid() const { return pid_; }
    // Ends the server now, as a crash or a logout would.
    void Stop();

private:
    pid_t pid_ = -1;
    std::string display_;
    Point size_;
};

}  // namespace vork::testing
