// The Windows build under Wine beside the Linux build, on one X server: in
// alternate rounds each plays a rally from a fresh start, and each round
// gives its frames per second and frame periods (from the server's damage
// reports: what reaches the screen), its processor share (under Wine the
// game and the wineserver, which passes every Windows call that waits or
// talks to another thread through itself), its wake-ups and the X server's
// share; and the idle title screen's wake-ups; and Wine's frame rate against
// Linux's, round by round.
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <optional>
#include <string>
#include <vector>

#include "bench/window/BenchMain.h"
#include "bench/window/RallyRounds.h"
#include "bench/window/Statistics.h"
#include "tests/window/harness/ChildProcess.h"
#include "tests/window/harness/ExpectedPictures.h"
#include "tests/window/harness/Wine.h"

namespace vork::bench {
namespace {

constexpr int Rounds = 5;

struct Build {
    const char* Name;
    Launch How;
    bool UnderWine;
    std::vector<Figures> Rounds;
    std::vector<double> IdleWakeUps;
};

// One game from its start to a right click: a round of rally intervals.
std::optional<Figures> PlayRound(XDesktop& desktop, Build& build) {
    GameSession game(desktop, build.How);
    if (!game.WaitForWindow(30s) || !game.WaitForPicture(TitlePicture(), 10s)) {
        std::fprintf(stderr, "%s: the title never appeared; %s\n", build.Name, game.Process().Output().c_str());
        return std::nullopt;
    }
    // The pointer rests off the window: under Wine, one over it is watched
    // by a timer for TrackMouseEvent that Windows itself does not need.
    desktop.Input.MoveBy(4000, 4000);
    if (const auto idle = IdleWakeUpsPerSecond(game.Process().Pid())) {
        build.IdleWakeUps.push_back(*idle);
    }
    Subject subject{game.Process().Pid()};
    if (build.UnderWine) {
        const auto server = wine::ServerPid();
        if (!server) {
            std::fprintf(stderr, "no wineserver for %s\n", wine::Prefix().c_str());
            return std::nullopt;
        }
        subject.push_back(*server);
    }
    FrameClock clock(desktop.X, game.Window());
    RallyRun rally(game, clock);
    if (!rally.Start()) {
        std::fprintf(stderr, "%s: the rally did not start\n", build.Name);
        return std::nullopt;
    }
    auto figures = MeasureRound(subject, desktop.Server.Pid(), clock, [&] { return rally.EndedByGoal(); });
    game.MoveTo(GameFacts::RestingClick);
    desktop.Input.Click(3);
    game.Process().WaitForExit(5s);
    return figures;
}

void PrintMedians(const Build& build) {
    const Medians m = MediansOf(build.Rounds);
    std::printf("%-22s %6.1f  %6.2f  %6.2f  %6.2f  %6.2f  %6.1f  %5.1f\n", build.Name, m.Fps, m.P50, m.P99, m.Share,
                m.ServerShare, m.WakeUps, Median(build.IdleWakeUps));
}

// The run's Wine prefix, made for it and removed after it (700 MB).
struct WinePrefix {
    WinePrefix() {
        if (RunChild({VORK_MAKE_WINE_PREFIX, wine::Prefix()}, {}, 120s) != 0) {
            throw std::runtime_error("could not make the Wine prefix " + wine::Prefix());
        }
    }
    ~WinePrefix() {
        wine::EndSession();
        std::filesystem::remove_all(wine::Prefix());
    }
    WinePrefix(const WinePrefix&) = delete;
    WinePrefix& operator=(const WinePrefix&) = delete;
};

int Run() {
    const WinePrefix prefix;
    XDesktop desktop;
    std::vector<Build> builds{{"Linux", Launch{}, false, {}, {}},
                              {"Windows, under Wine", wine::Under({VORK_WINDOWS_GAME}), true, {}, {}}};
    std::printf("rounds of %d x %.0f s each, alternating, each a fresh start:\n", IntervalsPerRound, Seconds(Interval));
    for (int round = 1; round <= Rounds; ++round) {
        for (Build& build : builds) {
            auto figures = PlayRound(desktop, build);
            if (build.UnderWine) {
                wine::EndSession();
            }
            if (!figures) {
                std::fprintf(stderr, "round %d: the %s rally kept stopping\n", round, build.Name);
                return 1;
            }
            PrintRound(build.UnderWine ? "wine" : "linux", round, *figures);
            build.Rounds.push_back(*figures);
        }
    }
    std::printf("\nmedians of %d rounds        fps   p50 ms  p99 ms  proc %%  X srv %%  wakes/s  idle wakes/s\n", Rounds);
    for (const Build& build : builds) {
        PrintMedians(build);
    }
    // Each pair of rounds played within seconds of each other: the ratio
    // stands when the shared machine's load moves both.
    std::vector<double> ratios;
    for (int round = 0; round < Rounds; ++round) {
        ratios.push_back(builds[1].Rounds[round].FramesPerSecond() / builds[0].Rounds[round].FramesPerSecond());
    }
    std::printf("frames a second under Wine against Linux's, round by round: median ratio %.3f\n", Median(ratios));
    std::printf("(under Wine the processor share is the game's and the wineserver's together; wake-ups are the game's)\n");
    return 0;
}

}  // namespace
}  // namespace vork::bench

int main() { return vork::bench::RunReportingErrors("vork_bench_wine", vork::bench::Run); }
