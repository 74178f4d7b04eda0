#pragma once

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace vork::testing {

// The most resident memory the process has had (VmHWM), in KiB.
std::optional<long> PeakResidentKb(pid_t pid);

// The files the process has mapped (its libraries among them), each once.
std::vector<std::string> MappedFiles(pid_t pid);

// What all of a process's threads have used so far, to the nanosecond as
// the scheduler counts it: fine enough for programs that use 1% of a core.
struct ThreadTotals {
    std::chrono::nanoseconds Processor{0};
    // Each is one sleep ended: the number of times the process woke up.
    long VoluntarySwitches = 0;

    // What was used between two readings.
    friend ThreadTotals operator-(const ThreadTotals& later, const ThreadTotals& earlier) {
        return {later.Processor - earlier.Processor, later.VoluntarySwitches - earlier.VoluntarySwitches};
    }
};
std::optional<ThreadTotals> TotalsOfThreads(pid_t pid);

}  // namespace vork::testing
