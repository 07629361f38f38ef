// Next at random over a collection of a million Tips, and the Show All listing of a
// hundred thousand built as one text (for printing). Each Next of a whole cycle is timed on its
// own, so the figures include the last picks of the cycle, when almost every draw lands on a Tip
// already shown.
#include "common/MsRandom.h"
#include "platform/Messages.h"
#include "recorder/data/NavigationState.h"
#include "recorder/data/TipCollection.h"
#include "recorder/view/ShowAllListing.h"
#include "recorder/view/TipDisplay.h"
#include "recorder/view/TipNavigator.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <string>
#include <vector>

namespace {

class NoDisplay : public TipDisplay {
  public:
    void ShowCurrentTip() override {}
    void emptyStatusTexts() override {}
    void showListing(std::string, std::string, std::string) override {}
    void showAllTips() override {}
};

class AlwaysYes : public Messages {
  public:
    MessageAnswer show(const QString&, MessageIcon, MessageButtons, const MessageOptions&) override
    {
        return MessageAnswer::Yes;
    }
};

TipCollection Collection(int count, std::size_t textLength)
{
    std::vector<Tip> tips(static_cast<std::size_t>(count));
    for (int n = 0; n < count; ++n)
        tips[static_cast<std::size_t>(n)] = {"12/07/26\n", "General\n",
                                             std::string(textLength, 'a' + n % 26) + "\n"};
    return TipCollection(std::move(tips));
}

double Percentile(std::vector<double> values, double fraction)
{
    const auto at = static_cast<std::ptrdiff_t>(fraction * static_cast<double>(values.size() - 1));
    std::nth_element(values.begin(), values.begin() + at, values.end());
    return values[static_cast<std::size_t>(at)];
}

void BM_NextAtRandomWholeCycle(benchmark::State& benchState)
{
    const int count = static_cast<int>(benchState.range(0));
    const TipCollection tips = Collection(count, 8);
    for (auto _ : benchState) {
        NavigationState state;
        NoDisplay display;
        AlwaysYes messages;
        MsRandom random;
        random.seed(20261207);
        TipNavigator navigator(state, tips, messages, random, display);
        std::vector<double> micros(static_cast<std::size_t>(count));
        for (double& elapsed : micros) {
            const auto start = std::chrono::steady_clock::now();
            navigator.ShowNextTip();
            elapsed =
                std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
                    .count();
        }
        const std::vector<double> last(micros.end() - 1000, micros.end());
        benchState.counters["median_us"] = Percentile(micros, 0.5);
        benchState.counters["p99_us"] = Percentile(micros, 0.99);
        benchState.counters["max_us"] = *std::max_element(micros.begin(), micros.end());
        benchState.counters["last1000_median_us"] = Percentile(last, 0.5);
        benchState.counters["last_us"] = micros.back();
        benchState.counters["cycle_complete"] = state.m_CycleTips.count() == count;
    }
}
BENCHMARK(BM_NextAtRandomWholeCycle)
    ->Arg(32'768)
    ->Arg(1'000'000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// The whole listing as one text, as printing takes it; the window reads it a Tip at a
// time (bench_ShowAllViewBench).
void BM_ShowAllListing(benchmark::State& benchState)
{
    const TipCollection tips = Collection(static_cast<int>(benchState.range(0)), 100);
    for (auto _ : benchState)
        benchmark::DoNotOptimize(ShowAllListing(tips, tips.count()));
}
BENCHMARK(BM_ShowAllListing)->Arg(100'000)->Unit(benchmark::kMillisecond);

} // namespace
