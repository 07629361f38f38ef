// pennivel-tool over 1,000,000 sayings of about 100 bytes: importing them from a fortune
// file into an empty data directory, and `list --search` for a word that 1 % of them
// hold, beside `grep -F -i -c` over the same Tips exported as text, in the same run.
#include "common/MsRandom.h"
#include "tool/ToolCommands.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

constexpr int kSayings = 1'000'000;

double Millis(Clock::duration elapsed)
{
    return std::chrono::duration<double, std::milli>(elapsed).count();
}

// A data directory of the benchmark's own, holding a fortune file of a million sayings
// (one in a hundred with "Zephyr" in it).
struct ToolBenchData {
    ToolBenchData()
    {
        home = fs::temp_directory_path() / ("pennivel-tool-bench-" + std::to_string(::getpid()));
        fs::create_directories(home / "data");
        fs::permissions(home, fs::perms::owner_all); // a runtime directory must be private
        ::setenv("PENNIVEL_DIR", (home / "data").c_str(), 1);
        ::setenv("XDG_RUNTIME_DIR", home.c_str(), 1);
        fortunes = (home / "sayings").string();
        std::ofstream out(fortunes, std::ios::binary);
        MsRandom random;
        for (int n = 1; n <= kSayings; ++n) {
            std::string text;
            for (int k = 0, length = 90 + random.next() % 20; k < length; ++k)
                text += k % 7 == 6 ? ' ' : static_cast<char>('a' + random.next() % 26);
            if (n % 100 == 0)
                text.insert(text.find(' ') + 1, "Zephyr ");
            out << text << (n % 3 == 0 ? "\n and a second line\n%\n" : "\n%\n");
        }
    }
    ~ToolBenchData() { fs::remove_all(home); }

    fs::path home;
    std::string fortunes;
};

int Tool(const std::vector<std::string>& args, std::string& output)
{
    std::ostringstream out, err;
    const int status = RunTool(args, out, err);
    output = out.str();
    return status;
}

void BM_ImportMillionSayings(benchmark::State& state)
{
    ToolBenchData data;
    std::string output;
    for (auto _ : state) {
        fs::remove(data.home / "data" / "PennivelTips.ini");
        if (Tool({"import", data.fortunes}, output) != 0)
            state.SkipWithError("import failed");
    }
    state.counters["sayings"] = kSayings;
}
BENCHMARK(BM_ImportMillionSayings)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ListSearchAgainstGrep(benchmark::State& state)
{
    ToolBenchData data;
    std::string output;
    const std::string exported = (data.home / "tips.txt").string();
    if (Tool({"import", data.fortunes}, output) != 0 || Tool({"export", exported}, output) != 0) {
        state.SkipWithError("set-up failed");
        return;
    }
    double best = 1e9;
    std::size_t listed = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        Tool({"list", "--search", "zephyr"}, output);
        best = std::min(best, Millis(Clock::now() - start));
        listed = 0;
        for (std::size_t at = output.find("Tip #"); at != std::string::npos;
             at = output.find("Tip #", at + 1))
            ++listed;
    }
    // grep's output goes through a pipe: to /dev/null it would stop at the first match.
    const std::string command = "LC_ALL=C.UTF-8 grep -F -i -c zephyr '" + exported + "'";
    double grepBest = 1e9;
    long grepCount = 0;
    for (int run = 0; run < 3; ++run) {
        const auto start = Clock::now();
        FILE* grep = ::popen(command.c_str(), "r");
        if (grep == nullptr || std::fscanf(grep, "%ld", &grepCount) != 1)
            grepCount = -1;
        if (grep != nullptr)
            ::pclose(grep);
        grepBest = std::min(grepBest, Millis(Clock::now() - start));
    }
    state.counters["list_ms"] = best;
    state.counters["listed"] = static_cast<double>(listed);
    state.counters["grep_ms"] = grepBest;
    state.counters["grep_count"] = static_cast<double>(grepCount);
    state.counters["ratio"] = best / grepBest;
}
BENCHMARK(BM_ListSearchAgainstGrep)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
