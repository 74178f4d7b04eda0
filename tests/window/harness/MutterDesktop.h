#pragma once

#include <string>

#include "tests/window/harness/BusConnection.h"
#include "tests/window/harness/HeadlessCompositor.h"
#include "tests/window/harness/WaylandDesktop.h"

namespace vork::testing {

// GNOME's compositor, headless on a virtual monitor, its pointer driven
// through its remote desktop service (relative motion only: absolute motion
// there needs a screen cast stream, and so PipeWire).
class MutterPointer : public DesktopPointer {
public:
    // Opens a remote desktop session, waiting until Mutter offers one.
    explicit MutterPointer(const std::string& busAddress);
    void Click(int button) override;

private:
    void MoveBy(int dx, int dy) override;
    void Notify(const char* method, int firstType, ...);

    BusConnection bus_;
    std::string session_;
};

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
