// The screen saver's two speed targets: one paint of a 1,000-character Tip including the
// font fitting (at most 16 ms, aim 8 ms; at most 4 ms in Latin, Arabic and emoji text), and process
// start to the first painted frame with 1,000,000 Tips (at most 1 s), on the offscreen platform.
// The start figure also holds the process's own exit, so it is an upper bound.
#include "bench/BenchApplication.h"
#include "bench/RunToExit.h"
#include "common/Clock.h"
#include "common/DataFilePath.h"
#include "common/MsRandom.h"
#include "common/SaverSettingsFile.h"
#include "common/TipsFormat.h"
#include "saver/SaverColours.h"
#include "saver/SaverPainting.h"
#include "saver/SaverScene.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <stdexcept>

namespace {

namespace fs = std::filesystem;

enum Script { kLatin, kArabic, kEmoji };

// At least 1,000 characters of prose in Latin letters, in Arabic, or in Latin with emoji
// sequences (skin tones, joined families); the saver draws the first 1,000.
std::string ThousandCharacters(Script script)
{
    const char* const sentences[] = {
        "Patience is the companion of wisdom, and a kind word costs nothing. ",
        "الصبر رفيق الحكمة، والكلمة الطيبة لا تكلف شيئا. ",
        "Patience 🧘🏽‍♀️ is the companion of wisdom 🦉, "
        "a kind word 👨‍👩‍👧 costs nothing 👍🏽. "};
    std::string text;
    while (QString::fromUtf8(text).toUcs4().size() < 1000)
        text += sentences[script];
    return text + "\n";
}

void BM_PaintThousandCharacterTip(benchmark::State& state)
{
    EnsureBenchApplication();
    QImage window(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
                  QImage::Format_RGB32);
    const auto script = static_cast<Script>(state.range(2));
    const SaverFrame frame{ThousandCharacters(script), SaverColour(3), kTipFontHeight};
    for (auto _ : state) {
        QPainter painter(&window);
        PaintSaverFrame(painter, window.rect(), frame);
        painter.end();
        benchmark::DoNotOptimize(window.bits());
    }
    const char* const names[] = {"Latin", "Arabic", "Latin with emoji"};
    state.SetLabel(std::string("1,000 characters, ") + names[script] +
                   ", fitting from 48 px, black fill and draw");
}
BENCHMARK(BM_PaintThousandCharacterTip)
    ->ArgsProduct({{1024}, {768}, {kLatin, kArabic, kEmoji}})
    ->Args({1920, 1080, kLatin})
    ->Args({640, 200, kLatin})
    ->Unit(benchmark::kMillisecond);

// A data directory with the saver in All Tips mode and `count` Tips of about 100 bytes.
std::string SaverHome(int count)
{
    std::string pattern = (fs::temp_directory_path() / "pennivel-saverbench-XXXXXX").string();
    const std::string home = ::mkdtemp(pattern.data());
    std::string error;
    if (CreateSaverSettingsFile(DataFilePath(home, kSaverSettingsFileName), SaverSettings{},
                                error) != CreateResult::Created)
        throw std::runtime_error(error);
    std::vector<Tip> tips(static_cast<std::size_t>(count));
    MsRandom random;
    for (int i = 0; i < count; ++i)
        tips[static_cast<std::size_t>(i)] = {"12/07/26\n", "General\n",
                                             "Tip number " + std::to_string(i) + " " +
                                                 std::string(85, static_cast<char>('a' + i % 26)) +
                                                 "\n"};
    if (!SaveTipsFile(DataFilePath(home, kTipsFileName), tips, random, SystemClock()).ok)
        throw std::runtime_error("cannot write the Tips file in " + home);
    return home;
}

void BM_SaverStartToFirstPaint(benchmark::State& state)
{
    const std::string home = SaverHome(static_cast<int>(state.range(0)));
    const std::string saver =
        (fs::read_symlink("/proc/self/exe").parent_path().parent_path() / "Pennivel.scr").string();
    const std::vector<std::string> env = {
        "QT_QPA_PLATFORM=offscreen", "PENNIVEL_QUIT_AFTER_FIRST_PAINT=1", "PENNIVEL_DIR=" + home};
    for (auto _ : state)
        state.SetIterationTime(RunToExit(saver, {"/s"}, env));
    fs::remove_all(home);
}
BENCHMARK(BM_SaverStartToFirstPaint)
    ->Arg(1'000)
    ->Arg(1'000'000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

} // namespace
