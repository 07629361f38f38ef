// From starting the recorder process to its first painted Tip, on the offscreen
// platform, with a Tips file of 1,000 and of 1,000,000 Tips (texts of about 100 bytes).
// The recorder ends right after its first paint (PENNIVEL_QUIT_AFTER_FIRST_PAINT), so
// each figure also holds the process's own exit: an upper bound.
#include "bench/RunToExit.h"
#include "common/Clock.h"
#include "common/DataFilePath.h"
#include "common/MsRandom.h"
#include "common/TipsFormat.h"
#include "recorder/data/RecorderSettings.h"
#include "recorder/data/UserDataSetup.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The recorder built beside this benchmark: <build>/bench/bench_X -> <build>/Pennivel.
std::string RecorderPath()
{
    return (fs::read_symlink("/proc/self/exe").parent_path().parent_path() / "Pennivel").string();
}

// A home of its own with the data directory set up and `count` Tips in the Tips file.
std::string PreparedHome(int count)
{
    std::string pattern = (fs::temp_directory_path() / "pennivel-startbench-XXXXXX").string();
    const std::string home = ::mkdtemp(pattern.data());
    RecorderSettings settings(
        QString::fromStdString(home + "/config/Pennivel by Kestrow/Pennivel.conf"));
    if (!SetUpUserData(home + "/data", settings).ok)
        throw std::runtime_error("set-up failed in " + home);
    std::vector<Tip> tips;
    tips.reserve(count);
    MsRandom random;
    for (int i = 0; i < count; ++i) {
        std::string text(90 + random.next() % 20, 'x');
        for (char& c : text)
            c = static_cast<char>('a' + random.next() % 26);
        tips.push_back({"12/07/26\n", "General\n", text + "\n"});
    }
    if (!SaveTipsFile(DataFilePath(home + "/data", kTipsFileName), tips, random, SystemClock()).ok)
        throw std::runtime_error("cannot write the Tips file in " + home);
    ::mkdir((home + "/run").c_str(), 0700);
    return home;
}

void BM_StartToFirstTipPainted(benchmark::State& state)
{
    const std::string home = PreparedHome(static_cast<int>(state.range(0)));
    const std::vector<std::string> env = {
        "QT_QPA_PLATFORM=offscreen",
        "PENNIVEL_QUIT_AFTER_FIRST_PAINT=1",
        "HOME=" + home,
        "PENNIVEL_DIR=" + home + "/data",
        "XDG_CONFIG_HOME=" + home + "/config",
        "XDG_RUNTIME_DIR=" + home + "/run",
    };
    const std::string recorder = RecorderPath();
    for (auto _ : state)
        state.SetIterationTime(RunToExit(recorder, {}, env));
    fs::remove_all(home);
}

} // namespace

BENCHMARK(BM_StartToFirstTipPainted)
    ->Arg(1'000)
    ->Arg(1'000'000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
