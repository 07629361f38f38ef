// Each program's way through a large Tips file against the cheapest program that does the
// like, in one run, at 1,000,000 and 4,000,000 Tips (sayings of about 100 bytes, one in a
// hundred holding "Zephyr"): `pennivel-tool list --search` against `grep -F -i -c` over
// the text export, `add` against the recorder's save, `export` against the recorder's
// export, `import` of the sayings against `strfile` of them, the saver's and the
// recorder's start to first paint against `fortune` and `cat`. Every program runs as a
// process of its own, its peak memory set against the file it reads (`rss_per_file`).
// This process never holds a collection: the recorder's save and export are timed in
// a child, since a started process counts its parent's memory as its own.
#include "bench/RecorderHome.h"
#include "bench/RunToExit.h"
#include "common/Clock.h"
#include "common/MsRandom.h"
#include "common/TipsAsText.h"
#include "common/TipsFormat.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr int kMillion = 1'000'000;

fs::path BuildDir()
{
    return fs::read_symlink("/proc/self/exe").parent_path().parent_path();
}

// A home of its own (see RecorderHome) with a fortune file of `count` sayings and its
// strfile index, the Tips the tool imports from it and their text export.
class ScaleHome {
  public:
    explicit ScaleHome(int count) : m_home(0)
    {
        writeSayings(count);
        RunMeasured("/usr/bin/strfile", {"-s", sayings(), sayings() + ".dat"}, {});
        tool({"import", sayings()});
        tool({"export", textExport()});
    }

    std::string sayings() const { return m_home.file("sayings"); }
    std::string tipsPath() const { return m_home.tipsPath(); }
    std::string textExport() const { return m_home.file("tips.txt"); }
    std::vector<std::string> env() const { return m_home.recorderEnv(); }

    ProcessRun tool(const std::vector<std::string>& args) const
    {
        return RunMeasured((BuildDir() / "pennivel-tool").string(), args, env());
    }

  private:
    void writeSayings(int count) const
    {
        std::ofstream out(sayings(), std::ios::binary);
        MsRandom random;
        std::string text;
        for (int n = 1; n <= count; ++n) {
            text.clear();
            for (int k = 0, length = 90 + random.next() % 20; k < length; ++k)
                text += k % 7 == 6 ? ' ' : static_cast<char>('a' + random.next() % 26);
            if (n % 100 == 0)
                text.insert(text.find(' ') + 1, "Zephyr ");
            out << text << "\n%\n";
        }
    }

    RecorderHome m_home;
};

const ScaleHome& Home(int count)
{
    static std::map<int, std::unique_ptr<ScaleHome>> homes;
    std::unique_ptr<ScaleHome>& home = homes[count];
    if (!home)
        home = std::make_unique<ScaleHome>(count);
    return *home;
}

// Rows that write start once the writes before them are on disk, so that neither the
// program nor its peer waits for the other's (or the set-up's) write-back.
void PendingWritesDone()
{
    ::sync();
}

double Size(const std::string& path)
{
    return static_cast<double>(fs::file_size(path));
}

// Seconds `work` takes in a child process of its own, after `prepare` there.
double SecondsInChild(const std::function<void()>& prepare, const std::function<void()>& work)
{
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0)
        throw std::runtime_error("no pipe");
    const pid_t child = ::fork();
    if (child == 0) {
        prepare();
        const auto start = std::chrono::steady_clock::now();
        work();
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        const bool sent = ::write(pipeEnds[1], &seconds, sizeof seconds) == sizeof seconds;
        ::_exit(sent ? 0 : 1);
    }
    ::close(pipeEnds[1]);
    double seconds = -1;
    if (::read(pipeEnds[0], &seconds, sizeof seconds) != sizeof seconds)
        seconds = -1;
    ::close(pipeEnds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return seconds;
}

// A row: the program's best time and peak memory over the iterations, the peer's best.
struct Row {
    double best = 1e9;
    long peak = 0;
    double peerBest = 1e9;

    void add(const ProcessRun& run, benchmark::State& state)
    {
        best = std::min(best, run.seconds);
        peak = std::max(peak, run.peakRssBytes);
        state.SetIterationTime(run.seconds);
    }
    void report(benchmark::State& state, double fileBytes) const
    {
        state.counters["ms"] = 1e3 * best;
        state.counters["peer_ms"] = 1e3 * peerBest;
        state.counters["ratio"] = best / peerBest;
        state.counters["rss_MB"] = static_cast<double>(peak) / 1e6;
        state.counters["rss_per_file"] = static_cast<double>(peak) / fileBytes;
        state.counters["file_MB"] = fileBytes / 1e6;
    }
};

void BM_ListSearchAgainstGrep(benchmark::State& state)
{
    const ScaleHome& home = Home(static_cast<int>(state.range(0)));
    Row row;
    for (auto _ : state)
        row.add(home.tool({"list", "--search", "zephyr"}), state);
    // grep's output goes through a pipe: to /dev/null it would stop at the first match.
    const std::string command = "LC_ALL=C.UTF-8 grep -F -i -c zephyr '" + home.textExport() + "'";
    for (int run = 0; run < 3; ++run) {
        const auto start = std::chrono::steady_clock::now();
        FILE* grep = ::popen(command.c_str(), "r");
        long count = 0;
        if (grep == nullptr || std::fscanf(grep, "%ld", &count) != 1)
            state.SkipWithError("grep failed");
        if (grep != nullptr)
            ::pclose(grep);
        row.peerBest = std::min(
            row.peerBest,
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    row.report(state, Size(home.tipsPath()));
}

void BM_AddAgainstRecorderSave(benchmark::State& state)
{
    const ScaleHome& home = Home(static_cast<int>(state.range(0)));
    Row row;
    for (auto _ : state) {
        PendingWritesDone();
        row.add(home.tool({"add", "One Tip more"}), state);
    }
    LoadedTips loaded;
    MsRandom random;
    const std::string saved = home.tipsPath() + ".saved";
    for (int run = 0; run < 3; ++run)
        row.peerBest = std::min(
            row.peerBest, SecondsInChild(
                              [&] {
                                  LoadTipsFile(home.tipsPath(), loaded, random, SystemClock());
                                  PendingWritesDone();
                              },
                              [&] { SaveTipsFile(saved, loaded.tips, random, SystemClock()); }));
    fs::remove(saved);
    row.report(state, Size(home.tipsPath()));
}

void BM_ExportAgainstRecorderExport(benchmark::State& state)
{
    const ScaleHome& home = Home(static_cast<int>(state.range(0)));
    const std::string exported = home.textExport() + ".again";
    Row row;
    for (auto _ : state) {
        PendingWritesDone();
        row.add(home.tool({"export", exported}), state);
    }
    LoadedTips loaded;
    MsRandom random;
    for (int run = 0; run < 3; ++run)
        row.peerBest = std::min(row.peerBest, SecondsInChild(
                                                  [&] {
                                                      LoadTipsFile(home.tipsPath(), loaded, random,
                                                                   SystemClock());
                                                      PendingWritesDone();
                                                  },
                                                  [&] { WriteTipsAsText(loaded.tips, exported); }));
    fs::remove(exported);
    row.report(state, Size(home.tipsPath()));
}

void BM_ImportAgainstStrfile(benchmark::State& state)
{
    const ScaleHome& home = Home(static_cast<int>(state.range(0)));
    Row row;
    // Into an empty data directory each time; the Tips of the other rows are put back.
    const std::string kept = home.tipsPath() + ".kept";
    for (auto _ : state) {
        fs::rename(home.tipsPath(), kept);
        PendingWritesDone();
        row.add(home.tool({"import", home.sayings()}), state);
        fs::rename(kept, home.tipsPath());
    }
    const std::string index = home.sayings() + ".bench.dat";
    for (int run = 0; run < 3; ++run) {
        PendingWritesDone();
        row.peerBest =
            std::min(row.peerBest,
                     RunMeasured("/usr/bin/strfile", {"-s", home.sayings(), index}, {}).seconds);
    }
    fs::remove(index);
    // Set against the input it reads, not the Tips file it writes.
    row.report(state, Size(home.sayings()));
}

// A program's start to its first paint, against a peer that reads the same data.
void StartAgainst(benchmark::State& state, const char* program,
                  const std::vector<std::string>& args, const std::string& peer,
                  const std::string& peerReads)
{
    const ScaleHome& home = Home(static_cast<int>(state.range(0)));
    Row row;
    for (auto _ : state)
        row.add(RunMeasured((BuildDir() / program).string(), args, home.env()), state);
    for (int run = 0; run < 3; ++run)
        row.peerBest = std::min(row.peerBest, RunMeasured(peer, {peerReads}, {}).seconds);
    row.report(state, Size(home.tipsPath()));
}

void BM_SaverStartAgainstFortune(benchmark::State& state)
{
    StartAgainst(state, "Pennivel.scr", {"/s"}, "/usr/games/fortune",
                 Home(static_cast<int>(state.range(0))).sayings());
}

void BM_RecorderStartAgainstCat(benchmark::State& state)
{
    StartAgainst(state, "Pennivel", {}, "/bin/cat",
                 Home(static_cast<int>(state.range(0))).tipsPath());
}

void Sizes(benchmark::internal::Benchmark* row)
{
    row->Arg(kMillion)->Arg(4 * kMillion)->UseManualTime()->Unit(benchmark::kMillisecond);
    row->Iterations(3);
}

BENCHMARK(BM_ListSearchAgainstGrep)->Apply(Sizes);
BENCHMARK(BM_AddAgainstRecorderSave)->Apply(Sizes);
BENCHMARK(BM_ExportAgainstRecorderExport)->Apply(Sizes);
BENCHMARK(BM_ImportAgainstStrfile)->Apply(Sizes);
BENCHMARK(BM_SaverStartAgainstFortune)->Apply(Sizes);
BENCHMARK(BM_RecorderStartAgainstCat)->Apply(Sizes);

} // namespace
