#pragma once

#include <memory>
#include <string>

#include "tests/window/harness/BusConnection.h"
#include "tests/window/harness/HeadlessCompositor.h"
#include "tests/window/harness/PrivateFolder.h"
#include "tests/window/harness/WaylandDesktop.h"

struct wl_display;
struct wl_registry;
struct org_kde_kwin_fake_input;

namespace vork::testing {

// KDE's compositor, on a virtual output, its pointer driven through KWin's
// fake input protocol, as a Wayland client of its own.
class KWinPointer : public DesktopPointer {
public:
    // Throws if KWin does not grant the fake input.
    explicit KWinPointer(const std::string& socketPath);
    ~KWinPointer() override;
    void PlaceAt(Point at) override;
    void Click(int button) override;

private:
    void MoveBy(int dx, int dy) override;
    // Waits until KWin has taken in every request sent.
    void Sync();

    wl_display* display_ = nullptr;
    wl_registry* registry_ = nullptr;
    org_kde_kwin_fake_input* input_ = nullptr;
};

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
