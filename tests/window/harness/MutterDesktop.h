#pragma once

#include <string>

#include "tests/window/harness/HeadlessCompositor.h"
#include "tests/window/harness/MutterPointer.h"
#include "tests/window/harness/WaylandDesktop.h"

namespace vork::testing {

// GNOME's compositor, headless on a virtual monitor.
class MutterDesktop : public WaylandDesktop {
public:
    MutterDesktop();
    Compositor Kind() const override { return Compositor::Mutter; }
    std::vector<std::string> ClientEnvironment() const override { return mutter_.ClientEnvironment(); }
    DesktopPointer& Pointer() override { return pointer_; }
    std::optional<platform::Image> Capture(const Box&) override { return std::nullopt; }
    bool GivesPictures() const override { return false; }

private:
    HeadlessCompositor mutter_;
    MutterPointer pointer_;
};

}  // namespace vork::testing
