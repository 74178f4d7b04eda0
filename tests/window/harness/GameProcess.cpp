#include "tests/window/harness/GameProcess.h"

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <stdexcept>

#include "tests/window/harness/ChildProcess.h"
#include "tests/window/harness/ClientLog.h"
#include "tests/window/harness/Deadline.h"
#include "tests/window/harness/TextFile.h"

namespace vork::testing {

std::ostream& operator<<(std::ostream& out, const ProcessEnd& end) {
    if (end.Signal != 0) {
        return out << "killed by signal " << end.Signal;
    }
    return out << "exited with status " << end.ExitCode;
}

const char* GameBinary() {
    // Another build of the game, to measure or stress it with the same harness.
    const char* other = std::getenv("VORK_GAME_BINARY");
    return other != nullptr ? other : VORK_GAME_BINARY;
}

std::vector<std::string> X11Environment(const std::string& display) {
    return {"DISPLAY=" + display, "WAYLAND_DISPLAY="};
}

GameProcess::GameProcess(const std::string& display, const std::string& binary)
    : GameProcess(X11Environment(display), binary) {}

GameProcess::GameProcess(const std::vector<std::string>& environment, const std::string& binary)
    : GameProcess(Launch{{binary}, environment}) {}

GameProcess::GameProcess(const Launch& launch)
    : outputPath_(NewTemporaryFile("vork-output")), pid_(SpawnChild(launch.Command, launch.Environment, -1, outputPath_)) {}

GameProcess::~GameProcess() {
    if (!end_) {
        StopChild(pid_);
    }
    std::filesystem::remove(outputPath_);
}

std::string GameProcess::Output() const {
    std::istringstream all(ReadTextFile(outputPath_));
    std::string said;
    for (std::string line; std::getline(all, line);) {
        if (!IsProtocolLine(line)) {
            said += line + "\n";
        }
    }
    return said;
}

std::optional<std::string> GameProcess::ProblemWithEnd(std::chrono::milliseconds within) {
    const auto end = WaitForExit(within);
    if (!end) {
        return "still running after " + std::to_string(within.count()) + " ms, at:\n" + Stacks();
    }
    std::ostringstream problem;
    if (!end->ExitedWith(0)) {
        problem << *end << "; ";
    }
    if (const std::string output = Output(); !output.empty()) {
        problem << "its output:\n" << output;
    }
    return problem.str().empty() ? std::nullopt : std::optional(problem.str());
}

std::string GameProcess::Stacks() const {
    if (end_) {
        return {};
    }
    const std::string path = outputPath_ + ".stacks";
    // Bounded, since a test that asks is already waiting on a game that hangs.
    if (RunChild({"gdb", "-p", std::to_string(pid_), "-batch", "-ex", "thread apply all bt"}, {}, 30s, path) != 0) {
        std::filesystem::remove(path);
        return {};
    }
    std::string stacks = ReadTextFile(path);
    std::filesystem::remove(path);
    return stacks;
}

void GameProcess::SendSignal(int signal) const {
    if (!end_) {
        kill(pid_, signal);
    }
}

bool GameProcess::Running() { return !WaitForExit(0ms); }

std::optional<ProcessEnd> GameProcess::WaitForExit(std::chrono::milliseconds timeout) {
    WaitUntil(
        [this] {
            if (end_) {
                return true;
            }
            int status = 0;
            rusage usage{};
            if (wait4(pid_, &status, WNOHANG, &usage) != pid_) {
                return false;
            }
            ProcessEnd end;
            if (WIFEXITED(status)) {
                end.ExitCode = WEXITSTATUS(status);
            } else if (WIFSIGNALED(status)) {
                end.Signal = WTERMSIG(status);
            }
            end.PeakResidentKb = usage.ru_maxrss;
            end_ = end;
            return true;
        },
        timeout, 2ms);
    return end_;
}

}  // namespace vork::testing
