#include "platform/sdl/EndRequests.h"

#include <windows.h>

#include <atomic>
#include <stdexcept>

namespace vork::platform {
namespace {

// The event the console's handler sets; null once the game is ending.
std::atomic<HANDLE> consoleEvent{nullptr};

// Runs on a thread of its own that Windows starts for each console event.
BOOL WINAPI OnConsoleControl(DWORD type) {
    if (const HANDLE event = consoleEvent.load()) {
        SetEvent(event);
    }
    // Ctrl+C and Ctrl+Break are handled once the event is set. For the
    // console's window closing, Windows ends the process as soon as this
    // returns: the game ends meanwhile, and its exit ends this thread.
    if (type == CTRL_CLOSE_EVENT || type == CTRL_LOGOFF_EVENT || type == CTRL_SHUTDOWN_EVENT) {
        Sleep(INFINITE);
    }
    // Still handled once the game is ending: a second Ctrl+C must not kill
    // a game that is already ending in good order.
    return TRUE;
}

constexpr const wchar_t* SelfProperty = L"vork.EndRequests";

// Ctrl+C (or Ctrl+Break, or the console closing) in the console the game
// was started from, and the end of the session, as an event the event wait
// watches.
class ConsoleAndSession final : public EndRequests {
public:
    ConsoleAndSession();
    ~ConsoleAndSession() override;
    ConsoleAndSession(const ConsoleAndSession&) = delete;
    ConsoleAndSession& operator=(const ConsoleAndSession&) = delete;

    std::intptr_t Waitable() const override { return reinterpret_cast<std::intptr_t>(event_); }
    bool Take() override;
    void Watch(const WindowSystem& window) override;

private:
    static LRESULT CALLBACK OnWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HANDLE event_;
    WNDPROC windowProcedure_ = nullptr;
};

ConsoleAndSession::ConsoleAndSession() : event_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
    if (event_ == nullptr) {
        throw std::runtime_error("cannot create an event for Ctrl+C");
    }
    consoleEvent = event_;
    // A window program gets no console of its own: started from one (cmd,
    // PowerShell), it joins that one, so that Ctrl+C there reaches it.
    AttachConsole(ATTACH_PARENT_PROCESS);
    SetConsoleCtrlHandler(OnConsoleControl, TRUE);
}

ConsoleAndSession::~ConsoleAndSession() {
    // The handler stays: see OnConsoleControl. The window is gone by now.
    consoleEvent = nullptr;
    CloseHandle(event_);
}

bool ConsoleAndSession::Take() {
    if (WaitForSingleObject(event_, 0) != WAIT_OBJECT_0) {
        return false;
    }
    ResetEvent(event_);
    return true;
}

// The session's end is told to top-level windows only, by messages SDL
// passes to DefWindowProc: the game's own procedure goes in front of SDL's.
void ConsoleAndSession::Watch(const WindowSystem& window) {
    const auto hwnd = static_cast<HWND>(window.WindowsHwnd);
    if (hwnd == nullptr) {
        return;
    }
    SetPropW(hwnd, SelfProperty, this);
    windowProcedure_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ConsoleAndSession::OnWindowMessage)));
}

LRESULT CALLBACK ConsoleAndSession::OnWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<ConsoleAndSession*>(GetPropW(window, SelfProperty));
    if (self == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    // WM_QUERYENDSESSION is answered yes, by SDL: the game has nothing to
    // save. Only when the session really ends (wParam TRUE; FALSE if
    // another program cancelled it) does the game end, at its next look
    // for input, right after this message.
    if (message == WM_ENDSESSION && wParam != FALSE) {
        SetEvent(self->event_);
        return 0;
    }
    if (message == WM_NCDESTROY) {
        RemovePropW(window, SelfProperty);
    }
    return CallWindowProcW(self->windowProcedure_, window, message, wParam, lParam);
}

}  // namespace

std::unique_ptr<EndRequests> ListenForEndRequests() { return std::make_unique<ConsoleAndSession>(); }

}  // namespace vork::platform
