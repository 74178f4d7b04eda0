#include "platform/sdl/SdlWindow.h"

#include <SDL.h>
#include <windows.h>

namespace vork::platform {
namespace {

// The icon resource vork.rc puts in the exe, drawn for 16, 32, 48 and 256
// pixels.
constexpr int IconResource = 1;

void SetIcon(HWND window, WPARAM which, int metric, UINT dpi) {
    const int size = GetSystemMetricsForDpi(metric, dpi);
    // Never freed: the window uses it until the game ends.
    const auto icon = static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IconResource), IMAGE_ICON, size, size, 0));
    if (icon != nullptr) {
        SendMessageW(window, WM_SETICON, which, reinterpret_cast<LPARAM>(icon));
    }
}

}  // namespace

SDL_Window* SdlWindow::Create(const char* title, int width, int height, std::uint32_t flags) {
    return SDL_CreateWindow(title, SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, width, height, flags);
}

// The game is aware of each monitor's density (SdlSession), so Windows
// leaves the scaling to it: the monitor's whole scale, as on X11.
void SdlWindow::FitToDesktop(int clientWidth, int clientHeight, const Image&) {
    const auto window = static_cast<HWND>(system_.WindowsHwnd);
    if (window == nullptr) {
        return;
    }
    // A fixed single-line frame with a title bar and a close box: SDL gives
    // a window that cannot be resized a minimise box all the same.
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    SetWindowLongPtrW(window, GWL_STYLE, style & ~(WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);

    const UINT dpi = GetDpiForWindow(window);
    ScaleBy(FittingScale(static_cast<int>(dpi / USER_DEFAULT_SCREEN_DPI), clientWidth, clientHeight), clientWidth,
            clientHeight);
    // Drawn for the size Windows shows, rather than scaled from another.
    SetIcon(window, ICON_BIG, SM_CXICON, dpi);
    SetIcon(window, ICON_SMALL, SM_CXSMICON, dpi);
}

}  // namespace vork::platform
