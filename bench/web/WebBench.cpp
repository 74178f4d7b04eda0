// The game's page in Chromium, measured as a player's machine would feel it:
// how soon the table shows, the rally's frame rate and periods (from the
// game's own presents), and the processor the browser uses (all its
// processes, the X server apart) in a rally, side by side with a floor page
// (bench/web/floor.html) in the same browser and with the desktop game. In
// each round each of the three is started afresh on an X server of its own
// and measured alone: a browser stopped and resumed, as the window
// benchmarks do with their programs, catches up for seconds afterwards.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "bench/window/BenchMain.h"
#include "bench/window/RallyRounds.h"
#include "bench/window/Statistics.h"
#include "tests/web/harness/BrowserSession.h"
#include "tests/window/harness/ExpectedPictures.h"

namespace vork::bench {
namespace {

constexpr int Rounds = 5;
constexpr int Launches = 5;

// Every process below `root`, found through the parents /proc names.
std::vector<pid_t> Descendants(pid_t root) {
    std::multimap<pid_t, pid_t> children;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/proc", error)) {
        const std::string name = entry.path().filename().string();
        if (name.find_first_not_of("0123456789") != std::string::npos) {
            continue;
        }
        std::ifstream stat(entry.path() / "stat");
        std::string line;
        if (!std::getline(stat, line) || line.rfind(')') == std::string::npos) {
            continue;
        }
        std::istringstream fields(line.substr(line.rfind(')') + 2));
        char state = 0;
        pid_t parent = 0;
        fields >> state >> parent;
        children.emplace(parent, static_cast<pid_t>(std::stol(name)));
    }
    std::vector<pid_t> found;
    std::vector<pid_t> next{root};
    while (!next.empty()) {
        const pid_t pid = next.back();
        next.pop_back();
        for (auto [child, end] = children.equal_range(pid); child != end; ++child) {
            found.push_back(child->second);
            next.push_back(child->second);
        }
    }
    return found;
}

using Usage = std::map<pid_t, ThreadTotals>;

Usage UsageOf(const std::vector<pid_t>& pids) {
    Usage usage;
    for (const pid_t pid : pids) {
        if (const auto totals = TotalsOfThreads(pid)) {
            usage[pid] = *totals;
        }
    }
    return usage;
}

// What the processes alive at both readings used between them: a browser
// starts and ends helper processes as it goes.
ThreadTotals Between(const Usage& before, const Usage& after) {
    ThreadTotals used;
    for (const auto& [pid, later] : after) {
        if (const auto earlier = before.find(pid); earlier != before.end()) {
            const ThreadTotals delta = later - earlier->second;
            used.Processor += delta.Processor;
            used.VoluntarySwitches += delta.VoluntarySwitches;
        }
    }
    return used;
}

// One thing measured: its processes, its X server, its frames if it tells
// them (milliseconds apart), and whether a goal cut an interval short.
struct Measured {
    const char* Name;
    std::function<std::vector<pid_t>()> Processes;
    pid_t Server;
    std::function<std::vector<double>()> FrameTimesMs = [] { return std::vector<double>{}; };
    std::function<bool()> Interrupted = [] { return false; };
};

bool MeasureInterval(const Measured& subject, Figures& figures) {
    subject.FrameTimesMs();
    const auto pids = subject.Processes();
    const Usage before = UsageOf(pids);
    const Usage serverBefore = UsageOf({subject.Server});
    const Clock::time_point start = Clock::now();
    std::this_thread::sleep_for(Interval);
    const Usage after = UsageOf(pids);
    const Usage serverAfter = UsageOf({subject.Server});
    const double seconds = Seconds(Clock::now() - start);
    const std::vector<double> frames = subject.FrameTimesMs();
    if (subject.Interrupted()) {
        return false;
    }
    for (std::size_t i = 1; i < frames.size(); ++i) {
        figures.PeriodsMs.push_back(frames[i] - frames[i - 1]);
    }
    const ThreadTotals used = Between(before, after);
    figures.Seconds += seconds;
    figures.ProcessorSeconds += Seconds(used.Processor);
    figures.ServerSeconds += Seconds(Between(serverBefore, serverAfter).Processor);
    figures.WakeUps += used.VoluntarySwitches;
    return true;
}

std::vector<double> Numbers(const std::string& text) {
    std::istringstream in(text);
    std::vector<double> numbers;
    for (double number; in >> number;) {
        numbers.push_back(number);
    }
    return numbers;
}

constexpr Clock::duration IdleSettle = 1s;
constexpr Clock::duration IdleInterval = 3s;
constexpr Clock::duration IdleMeasuredIn = IdleSettle + IdleInterval;

// The processor a subject uses, doing nothing.
double IdleShare(const Measured& subject) {
    std::this_thread::sleep_for(IdleSettle);
    const auto pids = subject.Processes();
    const Usage before = UsageOf(pids);
    std::this_thread::sleep_for(IdleInterval);
    return 100 * Seconds(Between(before, UsageOf(pids)).Processor) / Seconds(IdleInterval);
}

// A browser settles for a second after its page shows before it is measured.
std::optional<Figures> Measure(const Measured& subject) {
    return MeasureRoundWith([&](Figures& f) { return MeasureInterval(subject, f); }, 1s);
}

// The game's page, from a fresh start: a rally, then the title's idle cost.
std::optional<Figures> PageRound(std::vector<double>& idleShares) {
    XDesktop desktop;
    BrowserSession page(desktop);
    page.WaitForTable();
    const auto browser = [&] { return Descendants(page.DriverPid()); };
    idleShares.push_back(IdleShare(Measured{"page", browser, desktop.Server.Pid()}));
    RallyRun rally([&] { return page.Caption(); },
                   [&] {
                       page.ClickToPlay();
                       std::this_thread::sleep_for(300ms);
                       return true;
                   });
    rally.Start();
    return Measure({"page", browser, desktop.Server.Pid(), [&] { return Numbers(page.Ask("presents")); },
                    [&] { return rally.EndedByGoal(); }});
}

// The floor page, from a fresh start, given the time the game's page spends
// on its idle title first: a browser just started is busy for seconds.
std::optional<Figures> FloorRound() {
    XDesktop desktop;
    BrowserSession floor(desktop, {.Page = "floor.html", .Site = VORK_BENCH_WEB_DIR});
    std::this_thread::sleep_for(IdleMeasuredIn);
    return Measure({"floor", [&] { return Descendants(floor.DriverPid()); }, desktop.Server.Pid(),
                    [&] { return Numbers(floor.Ask("presents")); }});
}

std::optional<Figures> DesktopRound() {
    XDesktop desktop;
    GameSession game(desktop);
    if (!game.WaitForWindow(10s) || !game.WaitForPicture(TitlePicture(), 10s)) {
        return std::nullopt;
    }
    RallyRun rally([&] { return game.Caption(); },
                   [&] {
                       game.ClickToPlay();
                       return game.WaitForPuck(2s);
                   });
    rally.Start();
    return Measure({"desktop", [&] { return std::vector<pid_t>{game.Process().Pid()}; }, desktop.Server.Pid(),
                    [] { return std::vector<double>{}; }, [&] { return rally.EndedByGoal(); }});
}

int Run() {
    std::vector<double> firstPictures;
    for (int launch = 0; launch < Launches; ++launch) {
        XDesktop desktop;
        BrowserSession page(desktop);
        firstPictures.push_back(page.WaitForTable());
    }

    std::vector<double> idleShares;
    const std::pair<const char*, std::function<std::optional<Figures>()>> subjects[] = {
        {"page", [&] { return PageRound(idleShares); }}, {"floor", FloorRound}, {"desktop", DesktopRound}};
    std::map<std::string, std::vector<Figures>> rounds;
    std::printf("rounds of %d x %.0f s each, each subject alone and from a fresh start:\n", IntervalsPerRound,
                Seconds(Interval));
    for (int round = 1; round <= Rounds; ++round) {
        for (const auto& [name, play] : subjects) {
            const auto figures = play();
            if (!figures) {
                std::fprintf(stderr, "round %d: the %s did not play or kept being interrupted\n", round, name);
                return 1;
            }
            PrintRound(name, round, *figures);
            rounds[name].push_back(*figures);
        }
    }

    const Medians p = MediansOf(rounds["page"]);
    const Medians f = MediansOf(rounds["floor"]);
    const Medians d = MediansOf(rounds["desktop"]);
    std::vector<double> periods;
    double seconds = 0;
    for (const Figures& figures : rounds["page"]) {
        periods.insert(periods.end(), figures.PeriodsMs.begin(), figures.PeriodsMs.end());
        seconds += figures.Seconds;
    }
    std::printf("\nmedians of %d rounds            page     floor   page / floor   desktop game\n", Rounds);
    std::printf("processor, %% of a core        %6.2f    %6.2f    %5.2f          %6.2f\n", p.Share, f.Share,
                p.Share / f.Share, d.Share);
    std::printf("X server, %% of a core         %6.2f    %6.2f    %5.2f          %6.2f\n", p.ServerShare, f.ServerShare,
                p.ServerShare / f.ServerShare, d.ServerShare);
    std::printf("(the page and the floor: all of Chromium's processes; the desktop game: its own)\n");
    std::printf("\nrally frames: %zu in %.1f s: %.2f per second; period p50 %.2f ms, p99 %.2f ms, longest %.2f ms\n",
                periods.size(), seconds, static_cast<double>(periods.size()) / seconds, Median(periods),
                Quantile(periods, 0.99), Max(periods));
    const auto [soonest, latest] = std::minmax_element(firstPictures.begin(), firstPictures.end());
    std::printf("first picture after opening the page: median %.0f ms (%d launches, %.0f to %.0f)\n",
                Median(firstPictures), Launches, *soonest, *latest);
    std::printf("idle title page: median %.2f %% of a core\n", Median(idleShares));
    return 0;
}

}  // namespace
}  // namespace vork::bench

int main() { return vork::bench::RunReportingErrors("vork_bench_web", vork::bench::Run); }
