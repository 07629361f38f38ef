// The report and the text export over a large collection: 1,000,000 Tips, the report
// with 100,000 distinct dates and 1,000 categories, the export with texts of about 100
// bytes (a file of about 120 MB, flushed to disk).
#include "common/TipReport.h"
#include "common/TipsAsText.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

constexpr int kTips = 1'000'000;

// As a TipList, the form the report and the export take: built once, outside the timed
// loops, so they time the work and not a conversion of the collection.
TipList LargeCollection()
{
    std::vector<Tip> tips;
    tips.reserve(kTips);
    for (int i = 0; i < kTips; ++i) {
        // Numbers scattered over the whole range, so equal dates rarely stand together.
        const unsigned spread = static_cast<unsigned>(i) * 2654435761u;
        tips.push_back({"date " + std::to_string(spread % 100'000) + "\n",
                        "category " + std::to_string(spread % 1'000) + "\n",
                        std::string(90 + i % 20, static_cast<char>('a' + i % 26)) + "\n"});
    }
    return TipList(tips);
}

void BM_BuildReport(benchmark::State& state)
{
    const TipList tips = LargeCollection();
    for (auto _ : state) {
        const std::string report = BuildReport(tips);
        benchmark::DoNotOptimize(report.data());
        state.counters["report_KB"] = static_cast<double>(report.size()) / 1e3;
    }
}
BENCHMARK(BM_BuildReport)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_WriteTipsAsText(benchmark::State& state)
{
    const TipList tips = LargeCollection();
    const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                       ("pennivel-export-bench-" + std::to_string(::getpid()));
    for (auto _ : state) {
        const std::string error = WriteTipsAsText(tips, path.string());
        if (!error.empty())
            state.SkipWithError(error.c_str());
    }
    state.counters["file_MB"] = static_cast<double>(std::filesystem::file_size(path)) / 1e6;
    std::filesystem::remove(path);
}
BENCHMARK(BM_WriteTipsAsText)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
