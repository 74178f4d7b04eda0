#include "tests/window/harness/GameProcess.h"

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include "tests/window/harness/ChildProcess.h"
#include "tests/window/harness/Deadline.h"

namespace vork::testing {

std::ostream& operator<<(std::ostream& out, const ProcessEnd& end) {
    if (end.Signal != 0) {
        return out << "killed by signal " << end.Signal;
    }
    return out << "exited with status " << end.ExitCode;
}

const char* GameBinary() { return VORK_GAME_BINARY; }

GameProcess::GameProcess(const std::string& display, const std::string& binary)
    : GameProcess({"DISPLAY=" + display, "SDL_VIDEODRIVER=x11"}, {}, binary) {}

GameProcess::GameProcess(const std::vector<std::string>& environment, const std::string& errorLog,
                         const std::string& binary)
    : pid_(SpawnChild({binary}, environment, -1, false, errorLog)) {}

GameProcess::~GameProcess() {
    if (!end_) {
        StopChild(pid_);
    }
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
