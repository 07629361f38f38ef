// From starting the recorder process to its first painted Tip, on the offscreen
// platform, with a Tips file of 1,000 and of 1,000,000 Tips (texts of about 100 bytes).
// The recorder ends right after its first paint (PENNIVEL_QUIT_AFTER_FIRST_PAINT), so
// each figure also holds the process's own exit: an upper bound.
#include "bench/RecorderHome.h"
#include "bench/RunToExit.h"

#include <benchmark/benchmark.h>

namespace {

void BM_StartToFirstTipPainted(benchmark::State& state)
{
    const RecorderHome home(static_cast<int>(state.range(0)));
    const std::string recorder = RecorderPath();
    for (auto _ : state)
        state.SetIterationTime(RunToExit(recorder, {}, home.recorderEnv()));
}

} // namespace

BENCHMARK(BM_StartToFirstTipPainted)
    ->Arg(1'000)
    ->Arg(1'000'000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
