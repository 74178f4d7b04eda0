#include "tests/window/harness/XConnection.h"

#include <atomic>
#include <stdexcept>

namespace vork::testing {
namespace {

std::atomic<unsigned long> errorCount{0};

int CountError(Display*, XErrorEvent*) {
    ++errorCount;
    return 0;
}

}  // namespace

XConnection::XConnection(const std::string& display) : display_(XOpenDisplay(display.c_str())) {
    if (display_ == nullptr) {
        throw std::runtime_error("cannot connect to X display " + display);
    }
    XSetErrorHandler(&CountError);
}

XConnection::~XConnection() { XCloseDisplay(display_); }

bool XConnection::Sync() {
    XSync(display_, False);
    return errorCount.exchange(0) == 0;
}

}  // namespace vork::testing
