#include "bench/window/RallyRounds.h"

#include <cstdio>
#include <thread>

#include "bench/window/Statistics.h"

namespace vork::bench {

namespace {

// What the processes in `subject` have used, together; the wake-ups are the
// first one's.
std::optional<ThreadTotals> TotalsOf(const Subject& subject) {
    std::optional<ThreadTotals> total;
    for (const pid_t pid : subject) {
        const auto used = TotalsOfThreads(pid);
        if (!used) {
            return std::nullopt;
        }
        total = total ? ThreadTotals{total->Processor + used->Processor, total->VoluntarySwitches} : *used;
    }
    return total;
}

}  // namespace

RallyRun::RallyRun(GameSession& game, FrameClock& clock)
    : RallyRun([&game] { return game.Caption(); },
               [&game, &clock] {
                   game.ClickToPlay();
                   const bool started = game.WaitForPuck(2s);
                   clock.Drain();
                   return started;
               }) {}

bool MeasureInterval(const Subject& subject, pid_t server, FrameClock& clock,
                     const std::function<bool()>& interrupted, Figures& figures) {
    clock.Drain();
    const auto first = clock.NextUpdate(1s);
    const auto before = TotalsOf(subject);
    const auto serverBefore = TotalsOfThreads(server);
    if (!first || !before || !serverBefore) {
        interrupted();
        return false;
    }
    std::vector<Clock::time_point> stamps{*first};
    while (stamps.back() - *first < Interval) {
        const auto next = clock.NextUpdate(200ms);
        if (!next) {
            interrupted();
            return false;
        }
        stamps.push_back(*next);
    }
    const auto after = TotalsOf(subject);
    const auto serverAfter = TotalsOfThreads(server);
    if (interrupted() || !after || !serverAfter) {
        return false;
    }
    for (std::size_t i = 1; i < stamps.size(); ++i) {
        figures.PeriodsMs.push_back(Milliseconds(stamps[i] - stamps[i - 1]));
    }
    const ThreadTotals used = *after - *before;
    figures.Seconds += Seconds(stamps.back() - stamps.front());
    figures.ProcessorSeconds += Seconds(used.Processor);
    figures.ServerSeconds += Seconds((*serverAfter - *serverBefore).Processor);
    figures.WakeUps += used.VoluntarySwitches;
    return true;
}

std::optional<Figures> MeasureRound(const Subject& subject, pid_t server, FrameClock& clock,
                                    const std::function<bool()>& interrupted) {
    return MeasureRoundWith(
        [&](Figures& figures) { return MeasureInterval(subject, server, clock, interrupted, figures); });
}

std::optional<Figures> MeasureRoundWith(const std::function<bool(Figures&)>& measure, Clock::duration settle) {
    std::this_thread::sleep_for(settle);
    Figures figures;
    int measured = 0;
    for (int discarded = 0; measured < IntervalsPerRound;) {
        if (measure(figures)) {
            ++measured;
        } else if (++discarded > MaxDiscards) {
            return std::nullopt;
        }
    }
    return figures;
}

Medians MediansOf(const std::vector<Figures>& rounds) {
    auto median = [&](auto value) {
        std::vector<double> values;
        for (const Figures& round : rounds) {
            values.push_back(value(round));
        }
        return Median(values);
    };
    return {median([](const Figures& f) { return f.Share(); }),
            median([](const Figures& f) { return f.ServerShare(); }),
            median([](const Figures& f) { return f.WakeUpsPerSecond(); }),
            median([](const Figures& f) { return f.FramesPerSecond(); }),
            median([](const Figures& f) { return Median(f.PeriodsMs); }),
            median([](const Figures& f) { return Quantile(f.PeriodsMs, 0.99); })};
}

void PrintRound(const char* who, int round, const Figures& f) {
    std::printf("  round %d %-7s processor %5.2f %%  X server %5.2f %%  wake-ups %6.1f/s", round, who, f.Share(),
                f.ServerShare(), f.WakeUpsPerSecond());
    if (!f.PeriodsMs.empty()) {
        std::printf("  %6.1f fps  period p50 %5.2f p99 %5.2f ms", f.FramesPerSecond(), Median(f.PeriodsMs),
                    Quantile(f.PeriodsMs, 0.99));
    }
    std::printf("\n");
}

// How often the game wakes on its idle title screen, over two seconds.
std::optional<double> IdleWakeUpsPerSecond(pid_t game) {
    std::this_thread::sleep_for(500ms);  // let start-up settle
    const auto before = TotalsOfThreads(game);
    std::this_thread::sleep_for(2s);
    const auto after = TotalsOfThreads(game);
    if (!before || !after) {
        return std::nullopt;
    }
    return static_cast<double>((*after - *before).VoluntarySwitches) / 2;
}

}  // namespace vork::bench
