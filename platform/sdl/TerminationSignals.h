#pragma once

namespace vork::platform {

// SIGTERM, SIGINT and SIGHUP as a descriptor the event wait watches. A
// handler that only sets a flag can fire between the last look at the flag
// and the sleep, and then nothing wakes the game; a pending signal keeps the
// descriptor readable until it is read, so it can never be missed.
//
// The signals are blocked in the constructor: construct this before anything
// starts a thread, so that every thread inherits the mask.
class TerminationSignals {
public:
    TerminationSignals();
    ~TerminationSignals();
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

    int Fd() const { return fd_; }
    // Reads every pending signal; true if there was one.
    bool Take();

private:
    int fd_ = -1;
};

}  // namespace vork::platform
