#include "tests/window/harness/XvfbServer.h"

#include <poll.h>
#include <unistd.h>

#include <stdexcept>

#include "tests/window/harness/ChildProcess.h"
#include "tests/window/harness/Deadline.h"

namespace vork::testing {
namespace {

// The server writes its display number to the pipe once it accepts clients.
std::string ReadDisplayNumber(int fd, Clock::duration timeout) {
    std::string number;
    const Clock::time_point deadline = Clock::now() + timeout;
    while (Clock::now() < deadline) {
        pollfd ready{fd, POLLIN, 0};
        if (poll(&ready, 1, 50) <= 0) {
            continue;
        }
        char c = 0;
        if (read(fd, &c, 1) != 1) {
            break;
        }
        if (c == '\n') {
            return number;
        }
        number += c;
    }
    return {};
}

}  // namespace

XvfbServer::XvfbServer(Point size) : size_(size) {
    int fds[2];
    if (pipe(fds) != 0) {
        throw std::runtime_error("cannot make a pipe for Xvfb");
    }
    pid_ = SpawnChild({"Xvfb", "-displayfd", std::to_string(fds[1]), "-noreset", "-nolisten", "tcp", "-screen", "0",
                       std::to_string(size.X) + "x" + std::to_string(size.Y) + "x24"},
                      {}, fds[1], Discarded);
    close(fds[1]);
    const std::string number = ReadDisplayNumber(fds[0], 10s);
    close(fds[0]);
    if (number.empty()) {
        StopChild(pid_);
        throw std::runtime_error("Xvfb did not start (is it installed?)");
    }
    display_ = ":" + number;
}

XvfbServer::~XvfbServer() { Stop(); }

void XvfbServer::Stop() {
    StopChild(pid_);
    pid_ = -1;
}

}  // namespace vork::testing
