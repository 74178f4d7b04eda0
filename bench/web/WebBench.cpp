// The game's page in Chromium, measured as a player's machine would feel it:
// how soon the table shows, the rally's frame rate and periods (from the
// game's own presents), and the processor the browser uses (all its
// processes, the X server apart) in a rally, side by side with a floor page
// (bench/web/floor.html) in the same browser and with the desktop game. Each
// runs on an X server of its own; one runs while the others are stopped.
#include <signal.h>

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
#include "bench/window/Statistics.h"
#include "tests/web/harness/BrowserSession.h"
#include "tests/window/harness/ExpectedPictures.h"
#include "tests/window/harness/GameSession.h"
#include "tests/window/harness/PictureWaits.h"
#include "tests/window/harness/ProcessStats.h"

namespace vork::bench {
namespace {

using namespace vork::testing;

constexpr int Rounds = 5;
constexpr int IntervalsPerRound = 3;
constexpr Clock::duration Interval = 1s;
constexpr int MaxDiscards = 30;
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

// One thing measured: its processes, its X server, its frames if it tells
// them, and whether a goal cut an interval short.
struct Subject {
    const char* Name;
    std::function<std::vector<pid_t>()> Processes;
    pid_t Server;
    std::function<std::vector<double>()> FrameTimesMs = [] { return std::vector<double>{}; };
    std::function<bool()> Interrupted = [] { return false; };

    void Signal(int signal) const {
        for (const pid_t pid : Processes()) {
            kill(pid, signal);
        }
    }
};

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

// What the processes alive at both readings used between them.
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

struct Figures {
    std::vector<double> PeriodsMs;
    double Seconds = 0;
    double ProcessorSeconds = 0;
    double ServerSeconds = 0;
    long WakeUps = 0;

    double Share() const { return 100 * ProcessorSeconds / Seconds; }
    double ServerShare() const { return 100 * ServerSeconds / Seconds; }
    double FramesPerSecond() const { return static_cast<double>(PeriodsMs.size()) / Seconds; }
};

bool MeasureInterval(const Subject& subject, Figures& figures) {
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

std::optional<Figures> MeasureRound(const Subject& subject) {
    std::this_thread::sleep_for(200ms);  // just resumed
    Figures figures;
    int measured = 0;
    for (int discarded = 0; measured < IntervalsPerRound;) {
        if (MeasureInterval(subject, figures)) {
            ++measured;
        } else if (++discarded > MaxDiscards) {
            return std::nullopt;
        }
    }
    return figures;
}

std::vector<double> Numbers(const std::string& text) {
    std::istringstream in(text);
    std::vector<double> numbers;
    for (double number; in >> number;) {
        numbers.push_back(number);
    }
    return numbers;
}

// A rally kept going: a goal is seen in the caption and the next rally begun.
class Rally {
public:
    Rally(std::function<std::string()> caption, std::function<void()> click)
        : caption_(std::move(caption)), click_(std::move(click)) {}

    void Start() {
        last_ = caption_();
        click_();
        std::this_thread::sleep_for(300ms);
    }
    bool EndedByGoal() {
        if (caption_() == last_) {
            return false;
        }
        ++goals_;
        Start();
        return true;
    }
    int Goals() const { return goals_; }

private:
    std::function<std::string()> caption_;
    std::function<void()> click_;
    std::string last_;
    int goals_ = 0;
};

std::optional<double> IdleShare(const Subject& subject) {
    std::this_thread::sleep_for(1s);
    const auto pids = subject.Processes();
    const Usage before = UsageOf(pids);
    std::this_thread::sleep_for(3s);
    return 100 * Seconds(Between(before, UsageOf(pids)).Processor) / 3;
}

void PrintRound(const char* who, int round, const Figures& f) {
    std::printf("  round %d %-8s processor %6.2f %%  X server %5.2f %%  wake-ups %6.1f/s", round, who, f.Share(),
                f.ServerShare(), static_cast<double>(f.WakeUps) / f.Seconds);
    if (!f.PeriodsMs.empty()) {
        std::printf("  %6.2f fps  p50 %5.2f  p99 %5.2f ms", f.FramesPerSecond(), Median(f.PeriodsMs),
                    Quantile(f.PeriodsMs, 0.99));
    }
    std::printf("\n");
}

int Run() {
    std::vector<double> firstPictures;
    for (int launch = 0; launch < Launches; ++launch) {
        XDesktop desktop;
        BrowserSession page(desktop);
        firstPictures.push_back(page.WaitForTable());
    }

    XDesktop gameDesktop;
    BrowserSession game(gameDesktop);
    game.WaitForTable();
    XDesktop floorDesktop;
    BrowserSession floor(floorDesktop, {.Page = "floor.html", .Site = VORK_BENCH_WEB_DIR});
    XDesktop desktopDesktop;
    GameSession desktopGame(desktopDesktop);
    if (!desktopGame.WaitForWindow(10s) || !desktopGame.WaitForPicture(TitlePicture(), 10s)) {
        std::fprintf(stderr, "the desktop game's title never appeared\n");
        return 1;
    }

    Rally gameRally([&] { return game.Caption(); }, [&] { game.ClickToPlay(); });
    Rally desktopRally([&] { return desktopGame.Caption(); }, [&] { desktopGame.ClickToPlay(); });
    const Subject pageSubject{"page", [&] { return Descendants(game.DriverPid()); }, gameDesktop.Server.Pid(),
                              [&] { return Numbers(game.Ask("presents")); }, [&] { return gameRally.EndedByGoal(); }};
    const Subject floorSubject{"floor", [&] { return Descendants(floor.DriverPid()); }, floorDesktop.Server.Pid(),
                               [&] { return Numbers(floor.Ask("presents")); }};
    const Subject desktopSubject{"desktop", [&] { return std::vector<pid_t>{desktopGame.Process().Pid()}; },
                                 desktopDesktop.Server.Pid(), [] { return std::vector<double>{}; },
                                 [&] { return desktopRally.EndedByGoal(); }};

    const auto idle = IdleShare(pageSubject);
    floorSubject.Signal(SIGSTOP);
    gameRally.Start();
    desktopRally.Start();
    std::map<std::string, std::vector<Figures>> rounds;
    std::printf("rounds of %d x %.0f s each, one subject running at a time:\n", IntervalsPerRound, Seconds(Interval));
    for (int round = 1; round <= Rounds; ++round) {
        for (const Subject* subject : {&pageSubject, &floorSubject, &desktopSubject}) {
            for (const Subject* other : {&pageSubject, &floorSubject, &desktopSubject}) {
                other->Signal(other == subject ? SIGCONT : SIGSTOP);
            }
            const auto figures = MeasureRound(*subject);
            if (!figures) {
                std::fprintf(stderr, "round %d: the %s kept being interrupted\n", round, subject->Name);
                return 1;
            }
            PrintRound(subject->Name, round, *figures);
            rounds[subject->Name].push_back(*figures);
        }
    }
    for (const Subject* subject : {&pageSubject, &floorSubject, &desktopSubject}) {
        subject->Signal(SIGCONT);
    }

    auto median = [&](const char* who, auto value) {
        std::vector<double> values;
        for (const Figures& f : rounds[who]) {
            values.push_back(value(f));
        }
        return Median(values);
    };
    const auto share = [](const Figures& f) { return f.Share(); };
    const auto server = [](const Figures& f) { return f.ServerShare(); };
    std::vector<double> periods;
    double frames = 0;
    double seconds = 0;
    for (const Figures& f : rounds["page"]) {
        periods.insert(periods.end(), f.PeriodsMs.begin(), f.PeriodsMs.end());
        frames += static_cast<double>(f.PeriodsMs.size());
        seconds += f.Seconds;
    }
    std::printf("\nmedians of %d rounds            page     floor   page / floor   desktop game\n", Rounds);
    std::printf("browser processor, %% a core   %6.2f    %6.2f    %5.2f          %6.2f (its own process)\n",
                median("page", share), median("floor", share), median("page", share) / median("floor", share),
                median("desktop", share));
    std::printf("X server, %% of a core         %6.2f    %6.2f    %5.2f          %6.2f\n", median("page", server),
                median("floor", server), median("page", server) / median("floor", server), median("desktop", server));
    std::printf("\nrally frames: %.0f in %.1f s: %.2f per second; period p50 %.2f ms, p99 %.2f ms, longest %.2f ms\n",
                frames, seconds, frames / seconds, Median(periods), Quantile(periods, 0.99), Max(periods));
    std::printf("first picture after opening the page: median %.0f ms (%d launches, %.0f to %.0f)\n",
                Median(firstPictures), Launches, Min(firstPictures), Max(firstPictures));
    std::printf("idle title page: %.2f %% of a core\n", idle.value_or(-1));
    std::printf("goals during the run: %d (their intervals discarded)\n", gameRally.Goals());
    return 0;
}

}  // namespace
}  // namespace vork::bench

int main() { return vork::bench::RunReportingErrors("vork_bench_web", vork::bench::Run); }
