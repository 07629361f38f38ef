// The figures of a large collection, one row each, in one run: start to the first Tip
// painted (1,000,000 and 1,000 Tips, whole process, with its CPU time and its resident
// memory at the highest against the file size), loading and unscrambling against `cat`
// of the same file timed in the same iterations, and a save including the flush to disk.
// The machine's load average is shown beside each row: wall times on a busy machine say
// less than the CPU times. A started process counts this one's peak memory as its own
// until it runs the recorder, so the Tips files are written by children and the load
// row, which holds a collection here, comes after the start-up rows.
#include "bench/RecorderHome.h"
#include "bench/RunToExit.h"
#include "common/Clock.h"
#include "common/MsRandom.h"
#include "common/TipsFormat.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <limits>

namespace {

constexpr int kLarge = 1'000'000;

const RecorderHome& Home(int tips)
{
    static const RecorderHome large(kLarge);
    static const RecorderHome small(1'000);
    return tips == kLarge ? large : small;
}

double FileSize(const RecorderHome& home)
{
    return static_cast<double>(std::filesystem::file_size(home.tipsPath()));
}

void ShowLoad(benchmark::State& state)
{
    double load[1] = {0};
    if (::getloadavg(load, 1) == 1)
        state.counters["load_avg"] = load[0];
}

double Seconds(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

void BM_StartToFirstTipPainted(benchmark::State& state)
{
    const RecorderHome& home = Home(static_cast<int>(state.range(0)));
    const std::string recorder = RecorderPath();
    double cpu = 0;
    long peakRss = 0;
    for (auto _ : state) {
        const ProcessRun run = RunMeasured(recorder, {}, home.recorderEnv());
        state.SetIterationTime(run.seconds);
        cpu += run.cpuSeconds;
        peakRss = std::max(peakRss, run.peakRssBytes);
    }
    state.counters["cpu_ms"] = 1e3 * cpu / static_cast<double>(state.iterations());
    state.counters["rss_MB"] = static_cast<double>(peakRss) / 1e6;
    state.counters["rss_per_file"] = static_cast<double>(peakRss) / FileSize(home);
    ShowLoad(state);
}
BENCHMARK(BM_StartToFirstTipPainted)
    ->Arg(kLarge)
    ->Arg(1'000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

// The recorder's own load, against the cheapest read of the same file; the best of
// each, so a busy moment of the machine does not decide the ratio.
void BM_LoadAndUnscrambleAgainstCat(benchmark::State& state)
{
    const RecorderHome& home = Home(kLarge);
    double bestCat = std::numeric_limits<double>::max();
    double bestLoad = bestCat;
    MsRandom random;
    for (auto _ : state) {
        bestCat = std::min(bestCat, RunToExit("/bin/cat", {home.tipsPath()}, {}));
        const auto start = std::chrono::steady_clock::now();
        LoadedTips loaded;
        LoadTipsFile(home.tipsPath(), loaded, random, SystemClock());
        benchmark::DoNotOptimize(loaded.tips.size());
        const double load = Seconds(start);
        bestLoad = std::min(bestLoad, load);
        state.SetIterationTime(load);
    }
    state.counters["cat_ms"] = 1e3 * bestCat;
    state.counters["load_ms"] = 1e3 * bestLoad;
    state.counters["ratio_to_cat"] = bestLoad / bestCat;
    ShowLoad(state);
}
BENCHMARK(BM_LoadAndUnscrambleAgainstCat)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

void BM_SaveIncludingFlush(benchmark::State& state)
{
    MsRandom random;
    LoadedTips loaded;
    LoadTipsFile(Home(kLarge).tipsPath(), loaded, random, SystemClock());
    const std::string path = Home(kLarge).tipsPath() + ".saved";
    for (auto _ : state) {
        const SaveResult result = SaveTipsFile(path, loaded.tips, random, SystemClock());
        if (!result.ok)
            state.SkipWithError(result.error.c_str());
    }
    std::filesystem::remove(path);
    ShowLoad(state);
}
BENCHMARK(BM_SaveIncludingFlush)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
