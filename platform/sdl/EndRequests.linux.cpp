#include "platform/sdl/EndRequests.h"

#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <string>

namespace vork::platform {
namespace {

// SIGTERM, SIGINT and SIGHUP as a descriptor the event wait watches. A
// handler that only sets a flag can fire between the last look at the flag
// and the sleep, and then nothing wakes the game; a pending signal keeps the
// descriptor readable until it is read, so it can never be missed.
class TerminationSignals final : public EndRequests {
public:
    TerminationSignals();
    ~TerminationSignals() override;
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

    std::intptr_t Waitable() const override { return fd_; }
    bool Take() override;
    void Watch(const WindowSystem&) override {}

private:
    int fd_ = -1;
};

sigset_t EndingSignals() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGHUP);
    return set;
}

TerminationSignals::TerminationSignals() {
    const sigset_t set = EndingSignals();
    // They stay blocked for the rest of the process: unblocking them on the
    // way out would let a second signal kill a game that is already ending
    // in good order.
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
    fd_ = signalfd(-1, &set, SFD_NONBLOCK | SFD_CLOEXEC);
    // A write to a display connection that has just broken must fail and be
    // reported as a lost connection, not kill the game without a word.
    signal(SIGPIPE, SIG_IGN);
    if (fd_ < 0) {
        throw std::runtime_error(std::string("cannot watch for termination signals: ") + std::strerror(errno));
    }
}

TerminationSignals::~TerminationSignals() { close(fd_); }

bool TerminationSignals::Take() {
    bool arrived = false;
    signalfd_siginfo info{};
    while (read(fd_, &info, sizeof info) == static_cast<ssize_t>(sizeof info)) {
        arrived = true;
    }
    return arrived;
}

}  // namespace

std::unique_ptr<EndRequests> ListenForEndRequests() { return std::make_unique<TerminationSignals>(); }

}  // namespace vork::platform
