#include "tests/window/harness/ProcessStats.h"

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

namespace vork::testing {

std::optional<long> PeakResidentKb(pid_t pid) {
    std::ifstream file("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(file, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return std::nullopt;
}

std::vector<std::string> MappedFiles(pid_t pid) {
    std::ifstream maps("/proc/" + std::to_string(pid) + "/maps");
    std::set<std::string> files;
    std::string line;
    while (std::getline(maps, line)) {
        // The path, if any, is the sixth field and the only one starting with '/'.
        if (const auto path = line.find(" /"); path != std::string::npos) {
            files.insert(line.substr(path + 1));
        }
    }
    return {files.begin(), files.end()};
}

std::optional<ThreadTotals> TotalsOfThreads(pid_t pid) {
    ThreadTotals totals;
    std::error_code error;
    for (const auto& task : std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task", error)) {
        std::ifstream schedule(task.path() / "schedstat");
        long long runNs = 0;
        if (!(schedule >> runNs)) {
            continue;  // the thread has just ended
        }
        totals.Processor += std::chrono::nanoseconds(runNs);
        std::ifstream status(task.path() / "status");
        std::string line;
        while (std::getline(status, line)) {
            if (line.rfind("voluntary_ctxt_switches:", 0) == 0) {
                totals.VoluntarySwitches += std::stol(line.substr(24));
            }
        }
    }
    if (error) {
        return std::nullopt;
    }
    return totals;
}

}  // namespace vork::testing
