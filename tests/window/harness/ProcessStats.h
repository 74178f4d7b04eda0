#pragma once

#include <sys/types.h>

#include <chrono>
#include <optional>

namespace vork::testing {

// Processor time the process has used so far, user and system together.
std::optional<std::chrono::microseconds> ProcessorTime(pid_t pid);
// The most resident memory the process has had (VmHWM), in KiB.
std::optional<long> PeakResidentKb(pid_t pid);

}  // namespace vork::testing
