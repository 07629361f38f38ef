// Search > Text over 1,000,000 Tips (texts of about 100 bytes, one in fifty with an
// accented letter): a one-word OR search that matches 1 % of them, timed from the press
// of Search in the real dialog to the result in the document, ready to paint; beside it
// `grep -F -i -c` over the same Tips exported as text, in the same run, and the ratio;
// once with Latin texts and once with Cyrillic ones, which are folded character by character.
// Then a search that matches 100,000 Tips, timed to the listing painted in the window.
#include "bench/BenchApplication.h"
#include "bench/BenchRecorder.h"
#include "common/TipSearch.h"
#include "recorder/app/CBrevantDoc.h"
#include "recorder/app/CMainFrame.h"
#include "recorder/dialogs/search/CSearchTextDlg.h"
#include "recorder/view/CBrevantView.h"
#include "recorder/view/TipNavigator.h"

#include <QComboBox>
#include <QLineEdit>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <fstream>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kTips = 1'000'000;

double Millis(Clock::duration elapsed)
{
    return std::chrono::duration<double, std::milli>(elapsed).count();
}

// Texts in Latin letters or, for the second run, in Cyrillic ones (two bytes each).
enum Script { kLatin, kCyrillic };
const char* const kHidden[] = {"Zephyr", "\xD0\x97\xD0\xB5\xD1\x84\xD0\xB8\xD1\x80"}; // Зефир
const char* const kSought[] = {"zephyr", "\xD0\xB7\xD0\xB5\xD1\x84\xD0\xB8\xD1\x80"}; // зефир

// Every `every`-th Tip holds the hidden word somewhere in its text.
TipCollection MillionTips(int every, Script script = kLatin)
{
    std::vector<Tip> tips;
    tips.reserve(kTips);
    MsRandom random;
    for (int n = 1; n <= kTips; ++n) {
        std::string text;
        for (int k = 0, length = 90 + random.next() % 20; k < length; ++k) {
            if (k % 7 == 6) {
                text += ' ';
            } else if (script == kLatin) {
                text += static_cast<char>('a' + random.next() % 26);
            } else { // U+0410..U+044F, upper and lower case
                const int letter = 0x410 + random.next() % 64;
                text += static_cast<char>(0xC0 | (letter >> 6));
                text += static_cast<char>(0x80 | (letter & 0x3F));
            }
        }
        if (n % every == 0) {
            const std::size_t word = text.find(' ', static_cast<std::size_t>(random.next() % 60));
            text.insert(word + 1, std::string(kHidden[script]) + " ");
        }
        if (n % 50 == 0)
            text += " caf\xC3\xA9";
        tips.push_back({"12/07/26\n", "General\n", text + "\n"});
    }
    return TipCollection(std::move(tips));
}

// The Tips as the text export lays them out, for grep to read.
void Export(const TipCollection& tips, const std::string& path)
{
    std::ofstream out(path, std::ios::binary);
    for (int n = 1; n <= tips.count(); ++n) {
        const Tip& tip = tips.get(n);
        out << "Tip #" << n << "\r\n"
            << WithoutLineEnd(tip.date) << "\r\n"
            << WithoutLineEnd(tip.text) << "\r\n\r\n";
    }
}

// The best of three runs, and the count grep printed. Its output goes through a pipe:
// with output to /dev/null grep would stop at the first match.
double GrepMillis(const std::string& word, const std::string& path, long& count)
{
    double best = 1e9;
    const std::string command = "LC_ALL=C.UTF-8 grep -F -i -c " + word + " '" + path + "'";
    for (int run = 0; run < 3; ++run) {
        const auto start = Clock::now();
        FILE* grep = ::popen(command.c_str(), "r");
        if (grep == nullptr || std::fscanf(grep, "%ld", &count) != 1) {
            if (grep != nullptr)
                ::pclose(grep);
            return -1;
        }
        ::pclose(grep);
        best = std::min(best, Millis(Clock::now() - start));
    }
    return best;
}

void BM_TextSearchAgainstGrep(benchmark::State& state)
{
    EnsureBenchApplication();
    const auto script = static_cast<Script>(state.range(0));
    BenchRecorder recorder(MillionTips(100, script));
    if (!recorder.started) {
        state.SkipWithError("recorder did not start");
        return;
    }
    const TipCollection& tips = recorder.app->m_Tips;
    const std::string exported = (recorder.home / "tips.txt").string();
    Export(tips, exported);
    CMainFrame frame;
    auto* view =
        new CBrevantView(*recorder.app->document(), frame, std::make_unique<NoFormatDialogs>());
    frame.setCentralWidget(view);
    std::vector<std::string> words = recorder.app->m_SearchWords;
    double best = 1e9;
    int found = 0;
    for (auto _ : state) {
        CSearchTextDlg dialog(nullptr, tips.count(), tips, recorder.messages, words);
        dialog.findChild<QComboBox*>()->lineEdit()->setText(QString::fromUtf8(kSought[script]));
        const auto start = Clock::now();
        dialog.accept();
        view->navigator().ShowSearchResult({dialog.lastFound, dialog.resultText, {}, {}});
        best = std::min(best, Millis(Clock::now() - start));
        found = dialog.foundCount;
    }
    long grepCount = 0;
    const double grep = GrepMillis(kSought[script], exported, grepCount);
    state.counters["search_ms"] = best;
    state.counters["grep_ms"] = grep;
    state.counters["ratio"] = grep > 0 ? best / grep : -1;
    state.counters["found"] = found;
    state.counters["grep_found"] = static_cast<double>(grepCount);
}
BENCHMARK(BM_TextSearchAgainstGrep)
    ->Arg(kLatin)
    ->Arg(kCyrillic)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

void BM_ListingOfHundredThousandHits(benchmark::State& state)
{
    EnsureBenchApplication();
    BenchRecorder recorder(MillionTips(10));
    if (!recorder.started) {
        state.SkipWithError("recorder did not start");
        return;
    }
    const SearchResult result =
        SearchByWords(recorder.app->m_Tips.list(), SearchField::Text, {"zephyr"}, true);
    for (auto _ : state) {
        CMainFrame frame;
        auto* view =
            new CBrevantView(*recorder.app->document(), frame, std::make_unique<NoFormatDialogs>());
        frame.setCentralWidget(view);
        frame.resize(1024, 768);
        frame.show();
        QApplication::processEvents();
        const auto start = Clock::now();
        view->navigator().ShowSearchResult({0, result.resultText, {}, {}});
        view->viewport()->repaint();
        state.counters["painted_ms"] = Millis(Clock::now() - start);
    }
    state.counters["hits"] = result.foundCount;
}
BENCHMARK(BM_ListingOfHundredThousandHits)->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace
