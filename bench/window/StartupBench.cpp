// Launches the game again and again on one private X server: how long until
// the title is on the screen, and how much memory the game took.
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "bench/window/BenchMain.h"
#include "bench/window/Statistics.h"
#include "tests/window/harness/ExpectedPictures.h"
#include "tests/window/harness/GameSession.h"
#include "tests/window/harness/ProcessStats.h"
#include "tests/window/harness/WindowQueries.h"

namespace vork::bench {
namespace {

using namespace vork::testing;

int Run(int launches) {
    XDesktop desktop;
    const platform::Image title = TitlePicture();
    std::vector<double> startMs;
    std::vector<double> peakKb;
    std::vector<double> maxRssKb;
    for (int i = 0; i < launches; ++i) {
        const Clock::time_point launched = Clock::now();
        GameSession game(desktop);
        if (!game.WaitForWindow(10s) || !game.WaitForPicture(title, 10s)) {
            std::fprintf(stderr, "launch %d: the title never appeared\n", i + 1);
            return 1;
        }
        startMs.push_back(Milliseconds(Clock::now() - launched));
        peakKb.push_back(static_cast<double>(PeakResidentKb(game.Process().Pid()).value_or(0)));
        SendDeleteWindow(desktop.X, game.Window());
        const auto end = game.Process().WaitForExit(5000ms);
        if (!end || !end->ExitedWith(0)) {
            std::fprintf(stderr, "launch %d: the game did not close cleanly\n", i + 1);
            return 1;
        }
        maxRssKb.push_back(static_cast<double>(end->PeakResidentKb));
    }
    std::printf("launches:                     %d\n", launches);
    std::printf("start to title shown (ms):    median %.1f  min %.1f  max %.1f\n", Median(startMs), Min(startMs),
                Max(startMs));
    std::printf("peak resident, VmHWM (KiB):   median %.0f  min %.0f  max %.0f\n", Median(peakKb), Min(peakKb),
                Max(peakKb));
    std::printf("peak resident, ru_maxrss (KiB): median %.0f\n", Median(maxRssKb));
    return 0;
}

}  // namespace
}  // namespace vork::bench

int main(int argc, char** argv) {
    const int launches = argc > 1 ? std::atoi(argv[1]) : 20;
    if (launches < 1) {
        std::fprintf(stderr, "usage: %s [launches]\n", argv[0]);
        return 2;
    }
    return vork::bench::RunReportingErrors("vork_bench_startup", [&] { return vork::bench::Run(launches); });
}
