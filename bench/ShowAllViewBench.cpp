// Show All in the real recorder window with 100,000 Tips (texts of about 100 bytes): the
// time from the command to the listing painted, then a scroll through it one page at a
// time, each page step timed from the scroll to the repainted window.
#include "bench/BenchApplication.h"
#include "bench/BenchRecorder.h"
#include "common/MsRandom.h"
#include "recorder/app/CBrevantApp.h"
#include "recorder/app/CBrevantDoc.h"
#include "recorder/app/CMainFrame.h"
#include "recorder/view/CBrevantView.h"

#include <QAction>
#include <QScrollBar>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

TipCollection HundredThousandTips()
{
    std::vector<Tip> tips;
    MsRandom random;
    for (int n = 0; n < 100'000; ++n) {
        std::string text;
        for (int k = 0, length = 90 + random.next() % 20; k < length; ++k)
            text += k % 7 == 6 ? ' ' : static_cast<char>('a' + random.next() % 26);
        tips.push_back({"12/07/26\n", "General\n", text + "\n"});
    }
    return TipCollection(std::move(tips));
}

double Millis(Clock::duration elapsed)
{
    return std::chrono::duration<double, std::milli>(elapsed).count();
}

void BM_ShowAllInTheWindow(benchmark::State& state)
{
    EnsureBenchApplication();
    BenchRecorder recorder(HundredThousandTips());
    if (!recorder.started) {
        state.SkipWithError("recorder did not start");
        return;
    }
    CBrevantApp& app = *recorder.app;

    for (auto _ : state) {
        CMainFrame frame;
        auto* view = new CBrevantView(*app.document(), frame, std::make_unique<NoFormatDialogs>());
        frame.setCentralWidget(view);
        frame.resize(1024, 768);
        frame.show();
        QApplication::processEvents();

        const auto start = Clock::now();
        frame.action(CommandId::ShowAll)->trigger();
        view->viewport()->repaint();
        const double appeared = Millis(Clock::now() - start);

        QScrollBar* bar = view->verticalScrollBar();
        std::vector<double> steps;
        for (int page = 0; page < 200 && bar->value() < bar->maximum(); ++page) {
            const auto before = Clock::now();
            bar->setValue(bar->value() + bar->pageStep());
            view->viewport()->repaint();
            steps.push_back(Millis(Clock::now() - before));
        }
        if (steps.empty()) {
            state.SkipWithError("the listing did not scroll");
            break;
        }
        std::sort(steps.begin(), steps.end());
        state.counters["appear_ms"] = appeared;
        state.counters["page_median_ms"] = steps[steps.size() / 2];
        state.counters["page_max_ms"] = steps.back();
        state.counters["listing_lines"] = bar->maximum() / std::max(1, bar->singleStep());
    }
}
BENCHMARK(BM_ShowAllInTheWindow)->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace
