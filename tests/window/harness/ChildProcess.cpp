#include "tests/window/harness/ChildProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <stdexcept>
#include <thread>

#include "tests/window/harness/Deadline.h"

namespace vork::testing {

namespace {

// Forks; in the child, runs `redirect` and then `argv`.
template <typename Redirect>
pid_t Spawn(const std::vector<std::string>& argv, const std::vector<std::string>& environment, Redirect&& redirect) {
    std::vector<char*> args;
    for (const std::string& arg : argv) {
        args.push_back(const_cast<char*>(arg.c_str()));
    }
    args.push_back(nullptr);
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid < 0) {
        throw std::runtime_error("cannot fork");
    }
    if (pid > 0) {
        return pid;
    }
    // A crashed or killed test must not leave servers and games behind.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != parent) {
        _exit(127);
    }
    // Let the child set its own signal dispositions, whatever the test runner did.
    signal(SIGTERM, SIG_DFL);
    signal(SIGINT, SIG_DFL);
    redirect();
    for (const std::string& variable : environment) {
        putenv(const_cast<char*>(variable.c_str()));
    }
    execvp(args[0], args.data());
    _exit(127);
}

void WriteTo(const std::string& path, std::initializer_list<int> streams) {
    const int output = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    for (const int stream : streams) {
        dup2(output, stream);
    }
}

}  // namespace

pid_t SpawnChild(const std::vector<std::string>& argv, const std::vector<std::string>& environment, int keepFd,
                 const std::string& outputPath) {
    return Spawn(argv, environment, [&] {
        if (keepFd >= 0) {
            fcntl(keepFd, F_SETFD, 0);
        }
        if (!outputPath.empty()) {
            WriteTo(outputPath, {STDOUT_FILENO, STDERR_FILENO});
        }
    });
}

PipedChild SpawnPipedChild(const std::vector<std::string>& argv, const std::vector<std::string>& environment,
                           const std::string& errorPath) {
    int toChild[2];
    int fromChild[2];
    if (pipe2(toChild, O_CLOEXEC) != 0 || pipe2(fromChild, O_CLOEXEC) != 0) {
        throw std::runtime_error("cannot make pipes for a child");
    }
    const pid_t pid = Spawn(argv, environment, [&] {
        dup2(toChild[0], STDIN_FILENO);
        dup2(fromChild[1], STDOUT_FILENO);
        WriteTo(errorPath, {STDERR_FILENO});
    });
    close(toChild[0]);
    close(fromChild[1]);
    return {pid, toChild[1], fromChild[0]};
}

std::optional<int> RunChild(const std::vector<std::string>& argv, const std::vector<std::string>& environment,
                            std::chrono::milliseconds timeout, const std::string& outputPath) {
    const pid_t pid = SpawnChild(argv, environment, -1, outputPath);
    int status = -1;
    if (!WaitUntil([&] { return waitpid(pid, &status, WNOHANG) == pid; }, timeout, 1ms)) {
        StopChild(pid);
        return std::nullopt;
    }
    if (!WIFEXITED(status)) {
        return std::nullopt;
    }
    return WEXITSTATUS(status);
}

void StopChild(pid_t pid, int graceMs) {
    if (pid <= 0) {
        return;
    }
    kill(pid, SIGTERM);
    for (int waited = 0; waited < graceMs; waited += 5) {
        if (waitpid(pid, nullptr, WNOHANG) != 0) {
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

}  // namespace vork::testing
