// From starting the recorder process to its first painted Tip, on the offscreen
// platform, with a Tips file of 1,000 and of 1,000,000 Tips (texts of about 100 bytes).
// The recorder ends right after its first paint (PENNIVEL_QUIT_AFTER_FIRST_PAINT), so
// each figure also holds the process's own exit: an upper bound.
#include "common/Clock.h"
#include "common/DataFilePath.h"
#include "common/MsRandom.h"
#include "common/TipsFormat.h"
#include "recorder/data/RecorderSettings.h"
#include "recorder/data/UserDataSetup.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <filesystem>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

// The recorder built beside this benchmark: <build>/bench/bench_X -> <build>/Pennivel.
std::string RecorderPath()
{
    return (fs::read_symlink("/proc/self/exe").parent_path().parent_path() / "Pennivel")
        .string();
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

double RunToFirstPaint(const std::string& recorder, const std::vector<std::string>& env)
{
    std::vector<char*> envp;
    for (const std::string& entry : env)
        envp.push_back(const_cast<char*>(entry.c_str()));
    for (char** e = environ; *e; ++e)
        envp.push_back(*e);
    envp.push_back(nullptr);
    char* argv[] = {const_cast<char*>(recorder.c_str()), nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (::posix_spawn(&pid, recorder.c_str(), nullptr, nullptr, argv, envp.data()) != 0)
        throw std::runtime_error("cannot start " + recorder);
    int status = 0;
    ::waitpid(pid, &status, 0);
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error("the recorder did not end normally");
    return std::chrono::duration<double>(end - start).count();
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
        state.SetIterationTime(RunToFirstPaint(recorder, env));
    fs::remove_all(home);
}

} // namespace

BENCHMARK(BM_StartToFirstTipPainted)
    ->Arg(1'000)
    ->Arg(1'000'000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
