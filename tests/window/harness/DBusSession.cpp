#include "tests/window/harness/DBusSession.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "tests/window/harness/ChildProcess.h"
#include "tests/window/harness/Deadline.h"

namespace vork::testing {

DBusSession::DBusSession(const PrivateFolder& folder) {
    const std::string socket = folder.Inside("bus");
    const std::string config = folder.Inside("bus.conf");
    // No <servicedir>: nothing is started on demand, so the desktop's own
    // services (portals, accessibility...) stay out of the test.
    std::ofstream(config) << "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
                          << " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                          << "<busconfig>\n"
                          << "  <type>session</type>\n"
                          << "  <listen>unix:path=" << socket << "</listen>\n"
                          << "  <auth>EXTERNAL</auth>\n"
                          << "  <policy context=\"default\">\n"
                          << "    <allow send_destination=\"*\" eavesdrop=\"true\"/>\n"
                          << "    <allow eavesdrop=\"true\"/>\n"
                          << "    <allow own=\"*\"/>\n"
                          << "  </policy>\n"
                          << "</busconfig>\n";
    address_ = "unix:path=" + socket;
    pid_ = SpawnChild({"dbus-daemon", "--nofork", "--config-file=" + config}, {}, -1, Discarded);
    if (!WaitUntil([&] { return std::filesystem::exists(socket); }, 5s, 5ms)) {
        StopChild(pid_);
        throw std::runtime_error("dbus-daemon did not start (is it installed?)");
    }
}

DBusSession::~DBusSession() { StopChild(pid_); }

}  // namespace vork::testing
