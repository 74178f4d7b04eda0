#include "tests/window/harness/WaylandGameSession.h"

#include <algorithm>
#include <cmath>
#include <thread>
#include <vector>

#include "tests/window/harness/PictureWaits.h"

namespace vork::testing {
namespace {

std::vector<std::string> GameEnvironment(const WaylandDesktop& desktop, bool logged) {
    std::vector<std::string> environment = desktop.ClientEnvironment();
    if (logged) {
        environment.push_back("WAYLAND_DEBUG=client");
    }
    return environment;
}

}  // namespace

WaylandGameSession::WaylandGameSession(WaylandDesktop& desktop, bool keepLog)
    : desktop_(desktop), game_(GameEnvironment(desktop, keepLog)) {
    if (keepLog) {
        log_.emplace(game_.OutputPath());
    }
}

const ClientLog* WaylandGameSession::Log() {
    if (log_) {
        log_->Update();
    }
    return log_ ? &*log_ : nullptr;
}

bool WaylandGameSession::WaitForWindow(Clock::duration timeout) {
    auto* weston = dynamic_cast<WestonDesktop*>(&desktop_);
    if (weston == nullptr) {
        if (!log_) {
            return false;
        }
        const bool shown =
            WaitUntil([this] { return (Log()->Shown() && Log()->PictureSize()) || !game_.Running(); }, timeout, 10ms);
        return shown && game_.Running() && FindByPointer(timeout);
    }
    return WaitUntil(
               [&] {
                   if (const auto scene = ReadSceneGraph(weston->Weston)) {
                       client_ = ToplevelOf(*scene, game_.Pid());
                   }
                   return client_ || !game_.Running();
               },
               timeout, 10ms) &&
           client_;
}

bool WaylandGameSession::FindByPointer(Clock::duration timeout) {
    // Where the pointer lands on the window, the game is told its place on
    // it: the window lies that far up and left of the pointer. The window
    // is at least a third of the output wide and half as tall, so one of
    // these points is on it wherever it was put.
    const Point size = WaylandDesktop::OutputSize;
    std::vector<Point> probes{{size.X / 2, size.Y / 2}};
    for (const int y : {size.Y / 4, size.Y * 3 / 4}) {
        for (const int x : {size.X / 6, size.X / 2, size.X * 5 / 6}) {
            probes.push_back({x, y});
        }
    }
    const auto [width, height] = *Log()->PictureSize();
    const Clock::time_point deadline = Clock::now() + timeout;
    for (const Point probe : probes) {
        const std::optional<Point> on = PointerOnWindowAfter([&] { desktop_.Pointer().PlaceAt(probe); });
        if (on) {
            // A report late from an earlier probe would put the window
            // elsewhere: a small move towards its middle must agree.
            const Point origin{probe.X - on->X, probe.Y - on->Y};
            const Point check{probe.X + (on->X < width / 2 ? 4 : -4), probe.Y + (on->Y < height / 2 ? 4 : -4)};
            const std::optional<Point> then = PointerOnWindowAfter([&] { desktop_.Pointer().MoveTo(check); });
            if (then && then->X == check.X - origin.X && then->Y == check.Y - origin.Y) {
                client_ = SceneView{
                    "xdg_toplevel", game_.Pid(), {}, {origin.X, origin.Y, origin.X + width, origin.Y + height}};
                // Back to rest in a corner, away from the window.
                desktop_.Pointer().PlaceAt({size.X - 1, size.Y - 1});
                return true;
            }
        }
        if (Clock::now() >= deadline) {
            break;
        }
    }
    return false;
}

template <typename Move>
std::optional<Point> WaylandGameSession::PointerOnWindowAfter(Move&& move) {
    const int before = Log()->PointerReports();
    move();
    if (!WaitUntil([&] { return Log()->PointerReports() > before && Log()->Pointer(); }, 1s, 5ms)) {
        return std::nullopt;
    }
    const ClientLog::Place place = *Log()->Pointer();
    return Point{static_cast<int>(std::floor(place.X)), static_cast<int>(std::floor(place.Y))};
}

std::optional<SceneView> WaylandGameSession::TitleBar() {
    auto* weston = dynamic_cast<WestonDesktop*>(&desktop_);
    const auto scene = weston != nullptr ? ReadSceneGraph(weston->Weston) : std::nullopt;
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
    const Box& area = Client().Area;
    const int scale = desktop_.Scale();
    return desktop_.Capture({area.Left * scale, area.Top * scale, area.Right * scale, area.Bottom * scale});
}

bool WaylandGameSession::WaitForPicture(const platform::Image& picture, Clock::duration timeout) {
    return vork::testing::WaitForPicture([this] { return Grab(); }, picture, timeout);
}

void WaylandGameSession::ClickToPlay(Point at) {
    // As on X: arriving fast from far off on both axes makes the strike speed
    // the same every time, so a rally without further moves plays the same.
    constexpr int FarOff = 40;
    desktop_.Pointer().PlaceAt(OnOutput({at.X - FarOff, at.Y - FarOff}));
    std::this_thread::sleep_for(50ms);
    desktop_.Pointer().MoveTo(OnOutput(at));
    desktop_.Pointer().Click(1);
}

bool WaylandGameSession::WaitForPuck(Clock::duration timeout) {
    return vork::testing::WaitForPuck([this] { return Grab(); }, timeout);
}

bool WaylandGameSession::WaitForRally(Clock::duration timeout) {
    if (desktop_.GivesPictures()) {
        return WaitForPuck(timeout);
    }
    return log_ && WaitUntil([this] { return Log()->HoldAsked(); }, timeout);
}

}  // namespace vork::testing
