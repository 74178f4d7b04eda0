#pragma once

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace vork::testing {

// Starts `argv` with the given extra environment variables ("NAME=value"),
// dying with this process; `keepFd`, if not -1, stays open in the child, and
// its output goes to `outputPath` if one is given. Returns the child's pid;
// throws if it cannot fork.
pid_t SpawnChild(const std::vector<std::string>& argv, const std::vector<std::string>& environment,
                 int keepFd = -1, const std::string& outputPath = {});

// A child that reads what `Input` is written and writes to `Output`.
struct PipedChild {
    pid_t Pid = -1;
    int Input = -1;
    int Output = -1;
};
// Starts `argv` like SpawnChild, with its standard input and output on pipes
// to this process and its standard error to `errorPath`.
PipedChild SpawnPipedChild(const std::vector<std::string>& argv, const std::vector<std::string>& environment,
                           const std::string& errorPath);

// Where a quiet child's output goes.
inline const std::string Discarded = "/dev/null";

// Runs `argv` to its end; its exit status, or nullopt if it was killed, by a
// signal or for overrunning `timeout`.
std::optional<int> RunChild(const std::vector<std::string>& argv, const std::vector<std::string>& environment,
                            std::chrono::milliseconds timeout, const std::string& outputPath = {});

// Sends SIGTERM, then SIGKILL if it has not gone within `graceMs`, and reaps it.
void StopChild(pid_t pid, int graceMs = 2000);

}  // namespace vork::testing
