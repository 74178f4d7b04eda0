#pragma once

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace vork::testing {

// How a process ended.
struct ProcessEnd {
    int ExitCode = -1;  // when it exited by itself
    int Signal = 0;     // the signal that killed it, else 0
    long PeakResidentKb = 0;

    bool ExitedWith(int code) const { return Signal == 0 && ExitCode == code; }
    friend std::ostream& operator<<(std::ostream& out, const ProcessEnd& end);
};

// The game binary built alongside the harness, or the one VORK_GAME_BINARY names.
const char* GameBinary();

// How a game is started: the command (a game binary, or a program such as
// wine64 that runs one) and its extra environment variables ("NAME=value").
struct Launch {
    std::vector<std::string> Command{GameBinary()};
    std::vector<std::string> Environment;
};

// A game's environment on an X11 desktop: no Wayland compositor in sight, no
// driver forced.
std::vector<std::string> X11Environment(const std::string& display);

// The game, running on `display` until it ends or the object goes.
class GameProcess {
public:
    // On an X11 desktop.
    explicit GameProcess(const std::string& display, const std::string& binary = GameBinary());
    // With its own environment variables ("NAME=value").
    GameProcess(const std::vector<std::string>& environment, const std::string& binary = GameBinary());
    explicit GameProcess(const Launch& launch);
    ~GameProcess();
    GameProcess(const GameProcess&) = delete;
    GameProcess& operator=(const GameProcess&) = delete;

    pid_t Pid() const { return pid_; }
    void SendSignal(int signal) const;
    // nullopt if still running once the time is up.
    std::optional<ProcessEnd> WaitForExit(std::chrono::milliseconds timeout);
    bool Running();
    // What the game has written to its standard output and error so far,
    // but for libwayland's protocol log (WAYLAND_DEBUG), if it was asked for.
    std::string Output() const;
    // The file where all of it goes.
    const std::string& OutputPath() const { return outputPath_; }
    // Where each of its threads is now, as gdb tells it (empty without gdb):
    // for a game that should have ended and has not.
    std::string Stacks() const;
    // Waits for the end: nullopt if it is clean (status 0 within `within`,
    // with not a word of output on the way, such as an X error or a
    // sanitizer's report); otherwise what went wrong.
    std::optional<std::string> ProblemWithEnd(std::chrono::milliseconds within = std::chrono::milliseconds(2000));

private:
    std::string outputPath_;
    pid_t pid_ = -1;
    std::optional<ProcessEnd> end_;
};

}  // namespace vork::testing
