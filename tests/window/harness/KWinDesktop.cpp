#include "tests/window/harness/KWinDesktop.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <vector>

#include "tests/window/harness/KWinScreenshot.h"

namespace vork::testing {
namespace {

// Debian's kwin_wayland carries a file capability (cap_sys_resource) that a
// container may refuse to grant at exec; a plain copy has none.
std::string CopyOfKWin(const PrivateFolder& folder) {
    const std::string copy = folder.Inside("kwin_wayland");
    std::filesystem::copy_file("/usr/bin/kwin_wayland", copy);
    return copy;
}

// KWin lets a program take screenshots if a desktop entry that starts it
// names the service: one for this test program, among KWin's data.
std::string DataWithEntryForThisProgram(const PrivateFolder& folder) {
    const std::string data = folder.Inside("data");
    std::filesystem::create_directories(data + "/applications");
    std::ofstream(data + "/applications/vork-tests.desktop")
        << "[Desktop Entry]\n"
        << "Type=Application\n"
        << "Name=vorK tests\n"
        << "Exec=" << std::filesystem::read_symlink("/proc/self/exe").string() << "\n"
        << "NoDisplay=true\n"
        << "X-KDE-DBUS-Restricted-Interfaces=org.kde.KWin.ScreenShot2\n";
    return "XDG_DATA_DIRS=" + data + ":/usr/local/share:/usr/share";
}

std::vector<std::string> KWinCommand(const PrivateFolder& binary) {
    const Point size = WaylandDesktop::OutputSize;
    return {CopyOfKWin(binary),     "--virtual", "--width",  std::to_string(size.X), "--height",
            std::to_string(size.Y), "--socket",  "{socket}", "--no-lockscreen",      "--no-global-shortcuts",
            "--no-kactivities"};
}

}  // namespace

KWinDesktop::KWinDesktop()
    : binary_("vork-kwin-binary"),
      kwin_("kwin", KWinCommand(binary_),
            {"KWIN_WAYLAND_NO_PERMISSION_CHECKS=1", DataWithEntryForThisProgram(binary_)}),
      bus_(kwin_.Bus().Address()),
      pointer_(kwin_.SocketPath()) {}

void KWinDesktop::CloseActiveWindow(const Box&) {
    const std::string script = binary_.Inside("close.js");
    std::ofstream(script) << "workspace.activeClient.closeWindow();\n";
    const char* path = script.c_str();
    const char* name = "vork-close";
    const BusMessage load =
        BusConnection::NewCall("org.kde.KWin", "/Scripting", "org.kde.kwin.Scripting", "loadScript");
    dbus_message_append_args(load.get(), DBUS_TYPE_STRING, &path, DBUS_TYPE_STRING, &name, DBUS_TYPE_INVALID);
    bus_.Call(load);
    bus_.Call(BusConnection::NewCall("org.kde.KWin", "/Scripting", "org.kde.kwin.Scripting", "start"));
}

std::optional<platform::Image> KWinDesktop::Capture(const Box& area) { return CaptureArea(bus_, area); }

}  // namespace vork::testing
