#include "tests/web/harness/BrowserSession.h"

#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <stdexcept>

#include "tests/window/harness/TextFile.h"
#include "tests/window/harness/WindowQueries.h"

namespace vork::testing {
namespace {

// The browser's own top-level window, where the X server sends its keys:
// browsers keep small windows of their own class too.
std::optional<::Window> BrowserWindow(XConnection& x, const std::string& windowClass) {
    return FindWindow(x, [&](::Window window) {
        const auto name = WindowClass(x, window);
        const auto size = ClientSize(x, window);
        return name && name->second == windowClass && size && size->X > 100 && size->Y > 100;
    });
}

std::vector<std::string> DriverEnvironment(XDesktop& desktop) {
    std::vector<std::string> environment = X11Environment(desktop.Server.DisplayName());
    environment.push_back("VORK_NODE_MODULES=" VORK_NODE_MODULES);
    // No session bus: without one GTK's accessibility starts one, with its
    // accessibility bus, and Firefox's outlived every run.
    environment.push_back("NO_AT_BRIDGE=1");
    environment.push_back("DBUS_SESSION_BUS_ADDRESS=disabled:");
    return environment;
}

}  // namespace

std::string_view NameOf(Engine engine) {
    switch (engine) {
        case Engine::Chromium: return "Chromium";
        case Engine::Firefox: return "Firefox";
        case Engine::WebKit: return "WebKit";
    }
    return "";
}

std::string BrowserSession::DefaultSite() {
    const char* site = std::getenv("VORK_WEB_SITE");
    return site != nullptr ? site : VORK_WEB_SITE;
}

void BrowserSession::WriteWorker(const std::string& folder) {
    if (RunChild({VORK_CMAKE_COMMAND, "-DSITE=" + folder, "-P", VORK_WRITE_WORKER}, {}, 30000ms) != 0) {
        throw std::runtime_error("could not write the service worker of " + folder);
    }
}

BrowserSession::BrowserSession(XDesktop& desktop, const Options& options)
    : desktop_(desktop),
      emulated_(!options.Screen.empty()),
      // A driver that died must fail the test with its reason, not kill it.
      ignorePipeErrors_((signal(SIGPIPE, SIG_IGN), true)),
      errorPath_(NewTemporaryFile("vork-browser")),
      grabPath_(NewTemporaryFile("vork-grab")),
      driver_(SpawnPipedChild({"node", VORK_WEB_DRIVER, options.Site, "--engine", std::string(NameOf(options.Browser)),
                               "--scale", std::to_string(options.DeviceScale), "--size",
                               std::to_string(desktop.Server.Size().X) + "x" + std::to_string(desktop.Server.Size().Y),
                               "--page", options.Page, "--screen", options.Screen, "--workers", options.Workers,
                               "--host", options.Host},
                              DriverEnvironment(desktop), errorPath_)),
      windowClass_(Ask("window", 60s)) {
    if (emulated_) {
        return;
    }
    // A player's browser window is the active one. Without a window manager
    // the X server's focus alone does not make Firefox's active, and it
    // refuses the pointer lock until a click on the page has: the page's
    // margin beside the table takes it.
    FocusBrowser();
    const Box table = OnScreen();
    desktop_.Input.MoveTo(desktop_.X.Root(), table.Left / 2, table.Top + table.Height() / 2);
    desktop_.Input.Click(1);
}

BrowserSession::~BrowserSession() {
    const ssize_t written = write(driver_.Input, "quit\n", 5);
    (void)written;
    close(driver_.Input);
    close(driver_.Output);
    StopChild(driver_.Pid, 5000);
    std::filesystem::remove(errorPath_);
    std::filesystem::remove(grabPath_);
}

std::string BrowserSession::Ask(const std::string& command, Clock::duration timeout) {
    const std::string line = command + "\n";
    if (write(driver_.Input, line.data(), line.size()) != static_cast<ssize_t>(line.size())) {
        throw std::runtime_error("the browser's driver has gone: " + ReadTextFile(errorPath_));
    }
    const Clock::time_point deadline = Clock::now() + timeout;
    std::size_t end;
    while ((end = buffered_.find('\n')) == std::string::npos) {
        pollfd ready{driver_.Output, POLLIN, 0};
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        char chunk[65536];
        const ssize_t got = left > 0 && poll(&ready, 1, static_cast<int>(left)) > 0
                                ? read(driver_.Output, chunk, sizeof chunk)
                                : -1;
        if (got <= 0) {
            throw std::runtime_error("no answer to \"" + command + "\": " + ReadTextFile(errorPath_));
        }
        buffered_.append(chunk, static_cast<std::size_t>(got));
    }
    const std::string answer = buffered_.substr(0, end);
    buffered_.erase(0, end + 1);
    if (answer.starts_with("ok")) {
        return answer.size() > 3 ? answer.substr(3) : "";
    }
    throw std::runtime_error("\"" + command + "\" failed: " + answer);
}

double BrowserSession::WaitForTable() { return std::stod(Ask("shown")); }

std::optional<platform::Image> BrowserSession::Grab() { return Pixels("grab"); }

std::optional<platform::Image> BrowserSession::Pixels(const std::string& command) {
    std::istringstream answer(Ask(command + " " + grabPath_));
    int width = 0;
    int height = 0;
    answer >> width >> height;
    const std::string bytes = ReadTextFile(grabPath_);
    if (width <= 0 || height <= 0 || bytes.size() != static_cast<std::size_t>(width) * height * sizeof(platform::Rgb)) {
        return std::nullopt;
    }
    platform::Image picture(width, height);
    std::memcpy(picture.Row(0), bytes.data(), bytes.size());
    picture.Touch();
    return picture;
}

Box BrowserSession::OnScreen() {
    std::istringstream answer(Ask("where"));
    Box box;
    int width = 0;
    int height = 0;
    answer >> box.Left >> box.Top >> width >> height;
    box.Right = box.Left + width;
    box.Bottom = box.Top + height;
    return box;
}

std::optional<platform::Image> BrowserSession::Shot() {
    return emulated_ ? Pixels("snap") : GrabArea(desktop_.X, desktop_.X.Root(), OnScreen());
}

std::string BrowserSession::Caption() { return Ask("caption"); }

std::string BrowserSession::PageTitle() { return Ask("title"); }

std::string BrowserSession::StatusLine() { return Ask("status"); }

bool BrowserSession::PointerLocked() { return Ask("locked") == "true"; }

std::optional<int> BrowserSession::ExitStatus() {
    const std::string status = Ask("exit");
    return status.empty() ? std::nullopt : std::optional<int>(std::stoi(status));
}

void BrowserSession::FocusBrowser() {
    const auto window = BrowserWindow(desktop_.X, windowClass_);
    if (!window) {
        throw std::runtime_error("no browser window on the display");
    }
    desktop_.Input.Focus(*window);
}

void BrowserSession::ClickToPlay(Point at, bool shifted) {
    FocusBrowser();
    MoveTo(at);
    desktop_.Input.Click(1, shifted);
}

void BrowserSession::MoveTo(Point at) {
    const Box table = OnScreen();
    desktop_.Input.MoveTo(desktop_.X.Root(), table.Left + at.X * table.Width() / GameFacts::ClientWidth,
                          table.Top + at.Y * table.Height() / GameFacts::ClientHeight);
}

// In steps a hand's mouse could make: the browser brings the pointer back to
// its window's middle after each, and a step that met the screen's edge on
// the way would be cut short.
void BrowserSession::MoveBy(int dx, int dy) {
    constexpr int LongestStep = 100;
    const int steps = std::max({1, (std::abs(dx) + LongestStep - 1) / LongestStep, (std::abs(dy) + LongestStep - 1) / LongestStep});
    for (int step = 0; step < steps; ++step) {
        desktop_.Input.MoveBy(dx * (step + 1) / steps - dx * step / steps, dy * (step + 1) / steps - dy * step / steps);
    }
}

void BrowserSession::Click(int button) { desktop_.Input.Click(button); }

void BrowserSession::PressEscape() {
    FocusBrowser();
    desktop_.Input.KeyDown("Escape");
    desktop_.Input.KeyUp("Escape");
}

void BrowserSession::Touch(int finger, Point at) {
    Ask("touch " + std::to_string(finger) + " " + std::to_string(at.X) + " " + std::to_string(at.Y));
}

void BrowserSession::Lift(int finger) { Ask("lift " + std::to_string(finger)); }

}  // namespace vork::testing
