#include "tests/window/harness/WaylandGameSession.h"

#include <algorithm>
#include <thread>
#include <vector>

#include "tests/window/harness/PictureWaits.h"
#include "tests/window/harness/Screenshot.h"

namespace vork::testing {
namespace {

std::vector<std::string> GameEnvironment(const WestonDesktop& desktop) {
    std::vector<std::string> environment = desktop.Weston.ClientEnvironment();
    // As in a desktop session with XWayland: an X server is there too, and
    // the game must still choose Wayland.
    environment.push_back("DISPLAY=" + desktop.Xvfb.DisplayName());
    return environment;
}

}  // namespace

WaylandGameSession::WaylandGameSession(WestonDesktop& desktop)
    : desktop_(desktop), game_(GameEnvironment(desktop)) {}

bool WaylandGameSession::WaitForWindow(Clock::duration timeout) {
    return WaitUntil(
        [this] {
            if (const auto scene = ReadSceneGraph(desktop_.Weston)) {
                client_ = ToplevelOf(*scene, game_.Pid());
            }
            return client_ || !game_.Running();
        },
        timeout, 10ms) &&
           client_;
}

std::optional<SceneView> WaylandGameSession::TitleBar() {
    const auto scene = ReadSceneGraph(desktop_.Weston);
    if (!scene) {
        return std::nullopt;
    }
    const Box& client = Client().Area;
    auto bar = std::find_if(scene->begin(), scene->end(), [&](const SceneView& view) {
        return view.Pid == game_.Pid() && view.Role == "wl_subsurface" && view.Area.Left == client.Left &&
               view.Area.Right == client.Right && view.Area.Bottom == client.Top;
    });
    return bar == scene->end() ? std::nullopt : std::optional(*bar);
}

std::optional<platform::Image> WaylandGameSession::Grab() {
    auto shot = TakeScreenshot(desktop_.Weston);
    if (!shot) {
        return std::nullopt;
    }
    const Box& area = Client().Area;
    const int scale = desktop_.Weston.Scale();
    return Crop(*shot, {area.Left * scale, area.Top * scale, area.Right * scale, area.Bottom * scale});
}

bool WaylandGameSession::WaitForPicture(const platform::Image& picture, Clock::duration timeout) {
    return vork::testing::WaitForPicture([this] { return Grab(); }, picture, timeout);
}

void WaylandGameSession::ClickToPlay(Point at) {
    // As on X: arriving fast from far off on both axes makes the strike speed
    // the same every time, so a rally without further moves plays the same.
    constexpr int FarOff = 40;
    desktop_.Pointer.PlaceAt(OnOutput({at.X - FarOff, at.Y - FarOff}));
    std::this_thread::sleep_for(50ms);
    desktop_.Pointer.MoveTo(OnOutput(at));
    desktop_.Pointer.Click(1);
}

bool WaylandGameSession::WaitForPuck(Clock::duration timeout) {
    return vork::testing::WaitForPuck([this] { return Grab(); }, timeout);
}

}  // namespace vork::testing
