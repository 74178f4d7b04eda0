#pragma once

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace vork::testing {

// Starts `argv` with the given extra environment variables ("NAME=value"),
// dying with this process; `keepFd`, if not -1, stays open in the child.
// A quiet child's output is thrown away; else, with `errorLog` given, its
// standard error goes to that file. Returns the child's pid; throws if it
// cannot fork.
pid_t SpawnChild(const std::vector<std::string>& argv, const std::vector<std::string>& environment,
                 int keepFd = -1, bool quiet = false, const std::string& errorLog = {});

// Runs `argv` to its end; its exit status, or nullopt if it was killed, by a
// signal or for overrunning `timeout`.
std::optional<int> RunChild(const std::vector<std::string>& argv, const std::vector<std::string>& environment,
                            std::chrono::milliseconds timeout, bool quiet = false);

// Sends SIGTERM, then SIGKILL if it has not gone within `graceMs`, and reaps it.
void StopChild(pid_t pid, int graceMs = 2000);

}  // namespace vork::testing
