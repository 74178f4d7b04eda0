// vork_console_host <ctrl-c|end-session> <game.exe>: a console program that
// starts the game, as cmd would, and waits for it. On a Ctrl+C of its own
// it either sends a Ctrl+C to every program on its console (the game has
// joined it) or tells the game's window that the session ends, as Windows
// does at log-off: WM_QUERYENDSESSION, then WM_ENDSESSION. It never kills
// the game: it exits with the game's status, or 124 if the game is still
// running 10 s later.
#include <windows.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

HANDLE asked = nullptr;
std::atomic<bool> passingOn{false};

BOOL WINAPI OnControl(DWORD type) {
    // The Ctrl+C this program passes on comes back to it too.
    if (type == CTRL_C_EVENT && !passingOn) {
        SetEvent(asked);
    }
    return TRUE;
}

bool EndSession() {
    const HWND window = FindWindowW(nullptr, L"vorK");
    if (window == nullptr) {
        std::fprintf(stderr, "vork_console_host: no window titled vorK\n");
        return false;
    }
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutW(window, WM_QUERYENDSESSION, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer) || !answer) {
        std::fprintf(stderr, "vork_console_host: the game did not agree to end the session\n");
        return false;
    }
    SendMessageTimeoutW(window, WM_ENDSESSION, TRUE, 0, SMTO_ABORTIFHUNG, 5000, &answer);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3 || (std::strcmp(argv[1], "ctrl-c") != 0 && std::strcmp(argv[1], "end-session") != 0)) {
        std::fprintf(stderr, "usage: vork_console_host <ctrl-c|end-session> <game.exe>\n");
        return 2;
    }
    // A console of its own, whatever this was started from: Wine gives a
    // program started without a terminal one that passes no Ctrl+C on.
    // Hidden, so as not to cover the game's window.
    FreeConsole();
    AllocConsole();
    ShowWindow(GetConsoleWindow(), SW_HIDE);
    asked = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    SetConsoleCtrlHandler(OnControl, TRUE);
    std::string command = std::string("\"") + argv[2] + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION game{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &game)) {
        std::fprintf(stderr, "vork_console_host: cannot start %s (error %lu)\n", argv[2], GetLastError());
        return 2;
    }
    const HANDLE both[2] = {game.hProcess, asked};
    if (WaitForMultipleObjects(2, both, FALSE, INFINITE) == WAIT_OBJECT_0 + 1) {
        if (std::strcmp(argv[1], "ctrl-c") == 0) {
            passingOn = true;
            GenerateConsoleCtrlEvent(CTRL_C_EVENT, 0);
        } else if (!EndSession()) {
            return 3;
        }
    }
    if (WaitForSingleObject(game.hProcess, 10000) != WAIT_OBJECT_0) {
        return 124;
    }
    DWORD status = 0;
    GetExitCodeProcess(game.hProcess, &status);
    return static_cast<int>(status);
}
