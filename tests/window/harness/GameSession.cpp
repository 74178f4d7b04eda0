#include "tests/window/harness/GameSession.h"

#include <algorithm>
#include <thread>

#include "tests/window/harness/PictureWaits.h"
#include "tests/window/harness/WindowQueries.h"

namespace vork::testing {

namespace {

// Later variables win, as the child sets them in order.
std::vector<std::string> Joined(std::vector<std::string> first, const std::vector<std::string>& then) {
    first.insert(first.end(), then.begin(), then.end());
    return first;
}

}  // namespace

GameSession::GameSession(XDesktop& desktop, const std::vector<std::string>& environment, const std::string& binary)
    : GameSession(desktop, Launch{{binary}, environment}) {}

GameSession::GameSession(XDesktop& desktop, const Launch& launch)
    : desktop_(desktop),
      game_(Launch{launch.Command, Joined(X11Environment(desktop.Server.DisplayName()), launch.Environment)}) {}

bool GameSession::WaitForWindow(Clock::duration timeout) {
    const bool found = WaitUntil(
                           [this] {
                               if (auto found = FindWindowByCaption(desktop_.X, GameFacts::TitleCaption)) {
                                   window_ = *found;
                                   return true;
                               }
                               return !game_.Running();
                           },
                           timeout, 2ms) &&
                       window_ != None;
    const Point size = found ? ClientSize(desktop_.X, window_).value_or(Point{}) : Point{};
    const int scale = std::max(1, size.X / GameFacts::ClientWidth);
    const int border = (size.X - GameFacts::ClientWidth * scale) / 2;
    const int top = size.Y - GameFacts::ClientHeight * scale - border;
    client_ = {border, top, size.X - border, size.Y - border};
    return found;
}

bool GameSession::WaitForPicture(const platform::Image& picture, Clock::duration timeout) {
    return vork::testing::WaitForPicture([this] { return Grab(); }, picture, timeout);
}

std::optional<platform::Image> GameSession::Grab() { return GrabArea(desktop_.X, window_, client_); }

Box GameSession::OnScreen() {
    const Point origin = ClientOrigin(desktop_.X, window_).value_or(Point{});
    return {origin.X + client_.Left, origin.Y + client_.Top, origin.X + client_.Right, origin.Y + client_.Bottom};
}

std::string GameSession::Caption() { return ReadCaption(desktop_.X, window_).value_or(""); }

std::optional<Point> GameSession::Pointer() {
    const auto inWindow = PointerInClient(desktop_.X, window_);
    return inWindow ? std::optional(Point{inWindow->X - client_.Left, inWindow->Y - client_.Top}) : std::nullopt;
}

void GameSession::MoveTo(Point at) { desktop_.Input.MoveTo(window_, client_.Left + at.X, client_.Top + at.Y); }

void GameSession::ClickToPlay(Point at, bool shifted) {
    desktop_.Input.Focus(window_);
    // A strike takes its speed from the mallet's last move. Arriving at `at`
    // from far off on both axes makes that the fastest, whatever came before,
    // and a rally without further moves then plays the same way every time.
    constexpr int FarOff = 40;
    MoveTo({at.X - FarOff, at.Y - FarOff});
    std::this_thread::sleep_for(50ms);
    MoveTo(at);
    desktop_.Input.Click(1, shifted);
}

bool GameSession::WaitForPuck(Clock::duration timeout) {
    return vork::testing::WaitForPuck([this] { return Grab(); }, timeout);
}

std::optional<std::string> GameSession::WaitForCaptionOtherThan(const std::string& from, Clock::duration timeout) {
    std::string now;
    if (!WaitUntil(
            [&] {
                now = Caption();
                return !now.empty() && now != from;
            },
            timeout, 20ms)) {
        return std::nullopt;
    }
    return now;
}

}  // namespace vork::testing
