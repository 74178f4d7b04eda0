#include <benchmark/benchmark.h>

#include "platform/MemoryPlatform.h"
#include "rally/RallyEngine.h"
#include "render/DrawTable.h"

namespace {

using namespace vork;

rally::MatchState MidRally(int pucks) {
    rally::MatchState state;
    state.PuckCount = pucks;
    state.PuckX = {40, 150};
    state.PuckY = {150, 60};  // puck 0 under the centre line
    state.MalletX = {100.5F, 90};
    state.MalletY = {250, 0};  // CPU mallet under the goal line
    return state;
}

void DrawTablePass(benchmark::State& bench) {
    platform::MemoryPlatform platform;
    platform.SetBackColor({128, 128, 128});
    const rally::MatchState state = MidRally(static_cast<int>(bench.range(0)));
    for (auto _ : bench) {
        render::DrawTable(state, platform);
        benchmark::DoNotOptimize(platform.Picture().Row(0));
    }
    bench.SetLabel(bench.range(0) == 1 ? "one puck: clear + 15 copies" : "two pucks: clear + 17 copies");
}
BENCHMARK(DrawTablePass)->Arg(1)->Arg(2);

// The game's work in one frame of a two-puck rally, without the wait.
void TwoPuckFrameWork(benchmark::State& bench) {
    platform::MemoryPlatform platform;
    platform.SetBackColor({128, 128, 128});
    rally::MatchState state = MidRally(2);
    state.PuckDX = {1, -2};
    state.PuckDY = {1, -1};
    state.CpuDX = 1;
    state.CpuDY = 1;
    rally::RallyEngine engine(state, platform);
    for (auto _ : bench) {
        for (int k = 0; k < 2; ++k) {
            engine.MovePuck(k);
            engine.SteerCpuMallet();
            render::DrawTable(state, platform);
            if (engine.CheckGoal(k)) state.PuckY[k] = 150;
            engine.StrikePuck(k);
        }
        engine.CollidePucks();
    }
}
BENCHMARK(TwoPuckFrameWork);

}  // namespace

BENCHMARK_MAIN();
