#pragma once

#include <sys/types.h>

#include <string>
#include <string_view>
#include <vector>

#include "tests/window/harness/DBusSession.h"
#include "tests/window/harness/PrivateFolder.h"

namespace vork::testing {

// A desktop's compositor running without a screen, for the life of the
// object: in a private folder (its runtime folder, configuration, cache and
// log) and on a session bus of its own, so runs side by side never meet.
class HeadlessCompositor {
public:
    // The socket's name, inside the private runtime folder.
    static constexpr std::string_view Socket = "wayland-vork";

    // Starts `argv` (with "{socket}" standing for the socket's name) with the
    // private folders and bus plus `environment`, and waits for the socket;
    // throws, with the compositor's log, if it does not come.
    HeadlessCompositor(std::string_view name, std::vector<std::string> argv, std::vector<std::string> environment);
    ~HeadlessCompositor();
    HeadlessCompositor(const HeadlessCompositor&) = delete;
    HeadlessCompositor& operator=(const HeadlessCompositor&) = delete;

    // WAYLAND_DISPLAY and XDG_RUNTIME_DIR, for a client.
    std::vector<std::string> ClientEnvironment() const;
    // The socket's full path, for a connection from this process.
    std::string SocketPath() const { return folder_.Inside(Socket); }
    const DBusSession& Bus() const { return bus_; }
    const PrivateFolder& Folder() const { return folder_; }
    // What it has written so far, for a failure's message.
    std::string Log() const;

private:
    PrivateFolder folder_;
    DBusSession bus_;
    pid_t pid_ = -1;
};

}  // namespace vork::testing
