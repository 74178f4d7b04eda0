#pragma once

#include <string>

#include "tests/window/harness/BusConnection.h"
#include "tests/window/harness/HeadlessCompositor.h"
#include "tests/window/harness/KWinPointer.h"
#include "tests/window/harness/PrivateFolder.h"
#include "tests/window/harness/WaylandDesktop.h"

namespace vork::testing {

// KDE's compositor on a virtual output.
class KWinDesktop : public WaylandDesktop {
public:
    KWinDesktop();
    Compositor Kind() const override { return Compositor::KWin; }
    std::vector<std::string> ClientEnvironment() const override { return kwin_.ClientEnvironment(); }
    DesktopPointer& Pointer() override { return pointer_; }
    // Through its screenshot service.
    std::optional<platform::Image> Capture(const Box& area) override;
    // KWin draws the title bars, but none here (its breeze decoration is not
    // installed): through its scripting service instead.
    void CloseActiveWindow(const Box& client) override;

private:
    PrivateFolder binary_;
    HeadlessCompositor kwin_;
    BusConnection bus_;
    KWinPointer pointer_;
};

}  // namespace vork::testing
