// Load and save of a Tips file the size of a large collection: 1,000,000 Tips with
// texts of about 100 bytes, a file of about 130 MB. The save includes the flush to disk.
#include "common/Clock.h"
#include "common/MsRandom.h"
#include "common/TipsFormat.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kTips = 1'000'000;

std::vector<Tip> LargeCollection()
{
    std::vector<Tip> tips;
    tips.reserve(kTips);
    MsRandom random;
    for (int i = 0; i < kTips; ++i) {
        std::string text;
        const int length = 90 + random.next() % 20;
        for (int k = 0; k < length; ++k)
            text += static_cast<char>('a' + random.next() % 26);
        tips.push_back({"12/07/26\n", "General\n", text + "\n"});
    }
    return tips;
}

// A directory for the 130 MB file, removed with it when the program ends.
class BenchDirectory {
  public:
    BenchDirectory()
    {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "pennivel-bench-XXXXXX").string();
        m_path = ::mkdtemp(pattern.data());
    }
    ~BenchDirectory()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    const std::string& path() const { return m_path; }

  private:
    std::string m_path;
};

std::string BenchPath()
{
    static const BenchDirectory dir;
    return dir.path() + "/" + kTipsFileName;
}

// Resident set size high-water mark of this process, in bytes.
long PeakRss()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::atol(line.c_str() + 6) * 1024;
    return 0;
}

void BM_SaveTipsFile(benchmark::State& state)
{
    // Converted once here, so the loop times the save and not a copy of the collection.
    const TipList tips(LargeCollection());
    MsRandom random;
    for (auto _ : state) {
        const SaveResult result = SaveTipsFile(BenchPath(), tips, random, SystemClock());
        if (!result.ok)
            state.SkipWithError(result.error.c_str());
    }
    state.counters["file_MB"] = static_cast<double>(std::filesystem::file_size(BenchPath())) / 1e6;
}
BENCHMARK(BM_SaveTipsFile)->Unit(benchmark::kMillisecond)->Iterations(3);

// `Content` is what the load fills: TipsFileContent for the tool and the saver, LoadedTips
// (one buffer) for the recorder.
template <class Content> void BM_LoadTipsFile(benchmark::State& state)
{
    if (!std::filesystem::exists(BenchPath())) {
        // Written by a child, so building the collection does not raise this process's peak.
        if (::fork() == 0) {
            MsRandom random;
            ::_exit(SaveTipsFile(BenchPath(), LargeCollection(), random, SystemClock()).ok ? 0 : 1);
        }
        ::wait(nullptr);
    }
    const long before = PeakRss();
    MsRandom random;
    for (auto _ : state) {
        Content content;
        LoadTipsFile(BenchPath(), content, random, SystemClock());
        benchmark::DoNotOptimize(content.tips.empty());
        state.counters["tips"] = static_cast<double>(content.tips.size());
    }
    const double fileSize = static_cast<double>(std::filesystem::file_size(BenchPath()));
    state.counters["file_MB"] = fileSize / 1e6;
    // Growth of the memory high-water mark while loading, against the file size; run this
    // benchmark on its own (--benchmark_filter=ForRecorder) so nothing before it raised it.
    state.counters["peak_growth_per_file_byte"] =
        static_cast<double>(PeakRss() - before) / fileSize;
}
void BM_LoadTipsFileForToolAndSaver(benchmark::State& state)
{
    BM_LoadTipsFile<TipsFileContent>(state);
}
BENCHMARK(BM_LoadTipsFileForToolAndSaver)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_LoadTipsFileForRecorder(benchmark::State& state)
{
    BM_LoadTipsFile<LoadedTips>(state);
}
BENCHMARK(BM_LoadTipsFileForRecorder)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
