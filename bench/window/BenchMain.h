#pragma once

#include <cstdio>
#include <exception>

namespace vork::bench {

// A benchmark's whole run: its status, or 1 with the reason on stderr if it
// threw.
template <typename Run>
int RunReportingErrors(const char* name, Run&& run) {
    try {
        return run();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", name, error.what());
        return 1;
    }
}

}  // namespace vork::bench
