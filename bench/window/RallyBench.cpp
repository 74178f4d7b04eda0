// The game in a rally side by side with the floor (vork_floor, the cheapest
// known way to show such a picture), alternating on one X server: each
// one's share of a core, the X server's share while it runs, wake-ups per
// second, frames per second and frame periods (from the server's damage
// reports: what reaches the screen), and the ratios. Then the idle title
// screen's wake-ups and how soon a pointer move shows on the table.
#include <signal.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "bench/window/BenchMain.h"
#include "bench/window/RallyRounds.h"
#include "bench/window/Statistics.h"
#include "tests/window/harness/ChildProcess.h"
#include "tests/window/harness/ExpectedPictures.h"
#include "tests/window/harness/FakeMotion.h"
#include "tests/window/harness/FrameClock.h"
#include "tests/window/harness/GameSession.h"
#include "tests/window/harness/PictureProbe.h"
#include "tests/window/harness/ProcessStats.h"
#include "tests/window/harness/WindowQueries.h"

namespace vork::bench {
namespace {

using namespace vork::testing;

constexpr int Rounds = 5;
constexpr int LatencySamples = 20;
// Far enough apart that the mallet's new place cannot be mistaken for the old.
constexpr Point MoveTargets[] = {{60, 250}, {150, 250}};

// Where the mallet's bounding box lies relative to the pointer's hot spot.
std::optional<Point> MalletOffset(GameSession& game, Point origin, Point target) {
    FakeMotion(game.Desktop().X, {origin.X + target.X, origin.Y + target.Y});
    std::this_thread::sleep_for(200ms);
    const auto shot = game.Grab();
    const auto mallet = shot ? FindPlayerMallet(*shot) : std::nullopt;
    if (!mallet) {
        return std::nullopt;
    }
    return Point{mallet->Left - target.X, mallet->Top - target.Y};
}

std::vector<double> MeasureMoveLatency(GameSession& game, FrameClock& clock, RallyRun& rally, Point origin) {
    std::vector<double> latenciesMs;
    const auto offset = MalletOffset(game, origin, MoveTargets[0]);
    if (!offset) {
        return latenciesMs;
    }
    int discarded = 0;
    for (int i = 1; static_cast<int>(latenciesMs.size()) < LatencySamples && discarded < MaxDiscards; ++i) {
        const Point target = MoveTargets[i % 2];
        const Point expected{target.X + offset->X, target.Y + offset->Y};
        clock.Drain();
        FakeMotion(game.Desktop().X, {origin.X + target.X, origin.Y + target.Y});
        const Clock::time_point moved = Clock::now();
        std::optional<double> latency;
        while (!latency && Clock::now() - moved < 1s) {
            const auto update = clock.NextUpdate(200ms);
            if (!update) {
                break;
            }
            const auto shot = game.Grab();
            const auto mallet = shot ? FindPlayerMallet(*shot) : std::nullopt;
            if (mallet && mallet->TopLeft() == expected) {
                latency = Milliseconds(*update - moved);
            }
        }
        if (rally.EndedByGoal() || !latency) {
            ++discarded;
            continue;
        }
        latenciesMs.push_back(*latency);
        // Vary the move's place in the frame period.
        std::this_thread::sleep_for(std::chrono::milliseconds(30 + (i * 7) % 10));
    }
    return latenciesMs;
}

// The floor program, built beside this benchmark, in its own window.
class Floor {
public:
    explicit Floor(XDesktop& desktop)
        : pid_(SpawnChild({VORK_FLOOR_BINARY}, {"DISPLAY=" + desktop.Server.DisplayName()})) {}
    ~Floor() { StopChild(pid_); }
    Floor(const Floor&) = delete;
    Floor& operator=(const Floor&) = delete;

    pid_t Pid() const { return pid_; }

private:
    pid_t pid_;
};

int Run() {
    XDesktop desktop;
    GameSession game(desktop);
    if (!game.WaitForWindow(10s) || !game.WaitForPicture(TitlePicture(), 10s)) {
        std::fprintf(stderr, "the title never appeared\n");
        return 1;
    }
    const auto idleWakeUps = IdleWakeUpsPerSecond(game.Process().Pid());
    const auto origin = ClientOrigin(desktop.X, game.Window());

    Floor floor(desktop);
    std::optional<::Window> floorWindow;
    WaitUntil([&] { return (floorWindow = FindWindowByCaption(desktop.X, "vork floor")).has_value(); }, 10s);
    if (!origin || !floorWindow) {
        std::fprintf(stderr, "the floor program's window never appeared\n");
        return 1;
    }
    // A connection per clock: each then reads only its own window's reports.
    XConnection floorX(desktop.Server.DisplayName());
    FrameClock gameClock(desktop.X, game.Window());
    FrameClock floorClock(floorX, *floorWindow);
    RallyRun rally(game, gameClock);
    const pid_t server = desktop.Server.Pid();
    const pid_t gamePid = game.Process().Pid();

    // Only one of the two runs at a time; the other is stopped.
    kill(floor.Pid(), SIGSTOP);
    if (!rally.Start()) {
        std::fprintf(stderr, "the rally did not start\n");
        return 1;
    }
    std::vector<Figures> gameRounds;
    std::vector<Figures> floorRounds;
    std::printf("rounds of %d x %.0f s each, alternating:\n", IntervalsPerRound, Seconds(Interval));
    for (int round = 1; round <= Rounds; ++round) {
        kill(gamePid, SIGSTOP);
        kill(floor.Pid(), SIGCONT);
        auto floorFigures = MeasureRound({floor.Pid()}, server, floorClock, [] { return false; });
        kill(floor.Pid(), SIGSTOP);
        kill(gamePid, SIGCONT);
        auto gameFigures = MeasureRound({gamePid}, server, gameClock, [&] { return rally.EndedByGoal(); });
        if (!floorFigures || !gameFigures) {
            std::fprintf(stderr, "round %d: %s kept stopping\n", round, floorFigures ? "the rally" : "the floor");
            return 1;
        }
        PrintRound("floor", round, *floorFigures);
        PrintRound("game", round, *gameFigures);
        floorRounds.push_back(*floorFigures);
        gameRounds.push_back(*gameFigures);
    }
    const std::vector<double> latencies = MeasureMoveLatency(game, gameClock, rally, *origin);

    const Medians g = MediansOf(gameRounds);
    const Medians f = MediansOf(floorRounds);
    std::printf("\nmedians of %d rounds         game     floor    game / floor\n", Rounds);
    std::printf("processor, %% of a core     %6.2f    %6.2f    %5.2f\n", g.Share, f.Share, g.Share / f.Share);
    std::printf("X server, %% of a core      %6.2f    %6.2f    %5.2f\n", g.ServerShare, f.ServerShare,
                g.ServerShare / f.ServerShare);
    std::printf("wake-ups per second        %6.1f    %6.1f    %5.2f\n", g.WakeUps, f.WakeUps, g.WakeUps / f.WakeUps);
    std::printf("frames per second          %6.1f    %6.1f\n", g.Fps, f.Fps);
    std::printf("frame period p50 (ms)      %6.2f    %6.2f\n", g.P50, f.P50);
    std::printf("frame period p99 (ms)      %6.2f    %6.2f\n", g.P99, f.P99);
    std::printf("\nidle title screen:          %.1f wake-ups per second\n", idleWakeUps.value_or(-1));
    if (latencies.empty()) {
        std::printf("move to mallet shown (ms):  not measured\n");
    } else {
        std::printf("move to mallet shown (ms):  median %.2f  min %.2f  max %.2f  (%zu moves)\n", Median(latencies),
                    Min(latencies), Max(latencies), latencies.size());
    }
    std::printf("goals during the run:       %d (their intervals discarded)\n", rally.Goals());
    return 0;
}

}  // namespace
}  // namespace vork::bench

int main() { return vork::bench::RunReportingErrors("vork_bench_rally", vork::bench::Run); }
