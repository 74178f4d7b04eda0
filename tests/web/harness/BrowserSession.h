#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <string_view>

#include "platform/Image.h"
#include "tests/window/harness/ChildProcess.h"
#include "tests/window/harness/Deadline.h"
#include "tests/window/harness/GameFacts.h"
#include "tests/window/harness/GameSession.h"

namespace vork::testing {

// The browsers the page is played in, each Debian's own.
enum class Engine { Chromium, Firefox, WebKit };
std::string_view NameOf(Engine engine);

// The game's page in a browser on a private desktop, as a player meets it:
// the browser shows the site from a server of its own, and is driven by
// tests/web/driver.mjs, one command at a time. Or as a phone or a tablet
// shows it, emulated by Chromium: touch only, and the screen's pixels from
// the browser rather than the X server.
class BrowserSession {
public:
    struct Options {
        Engine Browser = Engine::Chromium;
        int DeviceScale = 1;  // screen pixels per page pixel
        std::string Page = "index.html";
        std::string Site = DefaultSite();
        // "WxH@R": an emulated touch screen of W x H page pixels, R screen
        // pixels each; empty for the desktop's.
        std::string Screen = {};
        // Service workers: "allowed", "refused" (as a private window refuses
        // them) or "insecure" (the page from a host that is not a secure
        // context, where they do not exist).
        std::string Workers = "allowed";
        // The host: "isolating" sends the headers that make the page
        // cross-origin isolated, as the README asks; "plain" sends none.
        std::string Host = "isolating";
    };
    explicit BrowserSession(XDesktop& desktop) : BrowserSession(desktop, Options{}) {}
    BrowserSession(XDesktop& desktop, const Options& options);
    ~BrowserSession();
    BrowserSession(const BrowserSession&) = delete;
    BrowserSession& operator=(const BrowserSession&) = delete;

    // The web build's site folder.
    static std::string DefaultSite();
    // Writes the service worker of the site in `folder` again for the files
    // now there, as the build writes it; throws if it cannot.
    static void WriteWorker(const std::string& folder);

    // The driver's answer to `command`; throws with the driver's reason when
    // it fails.
    std::string Ask(const std::string& command, Clock::duration timeout = 30s);

    // Milliseconds from opening the page to its first picture on the screen.
    double WaitForTable();
    // The canvas's own pixels: the picture as the page last uploaded it.
    std::optional<platform::Image> Grab();
    // Where the table is on the screen.
    Box OnScreen();
    // What the screen shows there, as the X server has it.
    std::optional<platform::Image> Shot();
    // The game's caption, as the line above the table shows it.
    std::string Caption();
    // The page's title: the caption as browsers show titles, runs of
    // spaces as one.
    std::string PageTitle();
    std::string StatusLine();
    bool PointerLocked();
    // How the program ended; nullopt while it runs.
    std::optional<int> ExitStatus();

    // The mouse and keyboard, through the X server as a player's are.
    // Rests the pointer at `at` on the table and clicks, with Shift held for
    // `shifted`.
    void ClickToPlay(Point at = GameFacts::RestingClick, bool shifted = false);
    void MoveTo(Point at);
    // By screen pixels: under the browser's pointer lock, motion only.
    void MoveBy(int dx, int dy);
    // Clicks an X button (1 left, 2 middle, 3 right) where the pointer is.
    void Click(int button);
    // The browser itself handles Esc.
    void PressEscape();

    // Fingers on an emulated touch screen, by number: put down or moved to
    // a table pixel (off the table too), or lifted.
    void Touch(int finger, Point at);
    void Lift(int finger);
    pid_t DriverPid() const { return driver_.Pid; }

private:
    void FocusBrowser();
    // The pixels the driver writes for `command`.
    std::optional<platform::Image> Pixels(const std::string& command);

    XDesktop& desktop_;
    bool emulated_;
    bool ignorePipeErrors_;
    std::string errorPath_;
    std::string grabPath_;
    PipedChild driver_;
    std::string buffered_;
    // The class of the browser's top-level X window, as its driver names it.
    std::string windowClass_;
};

}  // namespace vork::testing
