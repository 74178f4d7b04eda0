#pragma once

#include <string>

#include "tests/window/harness/DesktopPointer.h"

struct wl_display;
struct wl_registry;
struct org_kde_kwin_fake_input;

namespace vork::testing {

// KWin's pointer, driven through its fake input protocol from a Wayland
// connection of the test's own.
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

}  // namespace vork::testing
