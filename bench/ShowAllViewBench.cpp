// Show All and the Report in the real recorder window, 800x600 on an X display (xcb; run
// under Xvfb, see README), at 100,000, 1,000,000 and 4,000,000 Tips with texts of about
// 100 bytes, 100,000 distinct dates and 1,000 categories. Each size runs in a process of
// its own, so its memory high-water mark is its own and its listing is its first:
//   appear_ms     the Show All command to the listing painted (also the benchmark's time)
//   repaint_ms    a repaint that changes nothing (median of 20)
//   page_ms       Page Down to the window repainted (median and max of 20)
//   end_ms        End to the window repainted; at_last_tip: the last Tip's line is shown
//   peak_per_file memory high-water mark with the listing open, against the Tips file
//   left_MB       resident memory after the listing made way for one Tip, against
//   before_MB     the same before it opened
//   report_ms     the Report command: the text built (report_text_ms), the dialog shown
//                 and painted
#include "bench/BenchRecorder.h"
#include "common/TipReport.h"
#include "common/TipsFormat.h"
#include "recorder/app/CBrevantDoc.h"
#include "recorder/app/CMainFrame.h"
#include "recorder/dialogs/report/CReportDlg.h"
#include "recorder/view/CBrevantView.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <QWindow>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double MillisSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// A line of /proc/self/status ("VmHWM", "VmRSS") in bytes.
double StatusBytes(const char* field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field, 0) == 0)
            return std::atof(line.c_str() + std::char_traits<char>::length(field) + 1) * 1024;
    return 0;
}

// The texts are cut from one random pool, so building millions of Tips allocates once.
struct LargeTips {
    std::string pool;
    std::vector<std::string> dates;
    std::vector<std::string> categories;
    TipList tips;
    double fileBytes = 0;

    explicit LargeTips(int count)
    {
        MsRandom random;
        for (int k = 0; k < 1 << 16; ++k)
            pool += k % 7 == 6 ? ' ' : static_cast<char>('a' + random.next() % 26);
        for (int d = 0; d < 100'000; ++d)
            dates.push_back(std::to_string(1 + d % 12) + "/" + std::to_string(1 + d / 12 % 28) +
                            "/" + std::to_string(1000 + d / 336) + "\n");
        for (int c = 0; c < 1'000; ++c)
            categories.push_back("category " + std::to_string(c) + "\n");
        tips.reserve(static_cast<std::size_t>(count), static_cast<std::size_t>(count) * 140);
        std::string text;
        for (int n = 0; n < count; ++n) {
            const unsigned spread = static_cast<unsigned>(n) * 2654435761u;
            const std::size_t length = 90 + spread % 20;
            text.assign(pool, spread % (pool.size() - length), length);
            text += '\n';
            const TipParts tip(dates[spread % dates.size()], categories[spread % 1'000], text);
            tips.push_back(tip);
            fileBytes += static_cast<double>(FormatTipRecord(tip.toTip(), random).size());
        }
    }
};

void SendKey(QWidget& widget, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(&widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(&widget, &release);
}

// Runs `step` 20 times, each followed by a repaint; the times, sorted.
template <class Step> std::vector<double> TimedRepaints(CBrevantView& view, Step&& step)
{
    std::vector<double> times;
    for (int k = 0; k < 20; ++k) {
        const auto start = Clock::now();
        step();
        view.viewport()->repaint();
        times.push_back(MillisSince(start));
    }
    std::sort(times.begin(), times.end());
    return times;
}

// The measurements of one size, in the child process; name and value a line each.
void MeasureInTheWindow(int count, std::FILE* out)
{
    static int argc = 1;
    static char name[] = "bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication application(argc, argv);
    LargeTips large(count);
    BenchRecorder recorder(TipCollection(std::move(large.tips)));
    CBrevantDoc& doc = *recorder.app->document();
    CMainFrame frame;
    auto* view = new CBrevantView(doc, frame, std::make_unique<NoFormatDialogs>());
    frame.setCentralWidget(view);
    frame.resize(800, 600);
    frame.show();
    while (!frame.windowHandle() || !frame.windowHandle()->isExposed())
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    doc.m_CurrentTip = 1;
    view->ShowCurrentTip();
    view->viewport()->repaint();
    QApplication::processEvents();
    const double before = StatusBytes("VmRSS:");

    const auto start = Clock::now();
    frame.action(CommandId::ShowAll)->trigger();
    view->viewport()->repaint();
    QApplication::processEvents();
    std::fprintf(out, "appear_ms %f\n", MillisSince(start));

    const std::vector<double> repaints = TimedRepaints(*view, [] {});
    std::fprintf(out, "repaint_ms %f\n", repaints[repaints.size() / 2]);
    const std::vector<double> pages =
        TimedRepaints(*view, [&] { SendKey(*view, Qt::Key_PageDown); });
    std::fprintf(out, "page_ms %f\npage_max_ms %f\n", pages[pages.size() / 2], pages.back());
    const auto end = Clock::now();
    SendKey(*view, Qt::Key_End);
    view->viewport()->repaint();
    std::fprintf(out, "end_ms %f\n", MillisSince(end));
    // The window's last line is the end of the last Tip's text, without its line break
    // and the blanks before it.
    std::string_view lastText = doc.app().m_Tips.parts(count).text;
    lastText = lastText.substr(0, lastText.find_last_not_of(" \n") + 1);
    std::fprintf(out, "at_last_tip %d\n",
                 lastText.ends_with(view->shownLines().last.toStdString()) ? 1 : 0);
    std::fprintf(out, "peak_per_file %f\nfile_MB %f\n", StatusBytes("VmHWM:") / large.fileBytes,
                 large.fileBytes / 1e6);

    view->ShowCurrentTip();
    view->viewport()->repaint();
    std::fprintf(out, "before_MB %f\nleft_MB %f\n", before / 1e6, StatusBytes("VmRSS:") / 1e6);

    const auto report = Clock::now();
    const std::string text = BuildReport(doc.app().m_Tips.list());
    std::fprintf(out, "report_text_ms %f\n", MillisSince(report));
    CReportDlg dialog(&frame, text);
    dialog.show();
    QApplication::processEvents();
    dialog.repaint();
    std::fprintf(out, "report_ms %f\n", MillisSince(report));
}

void BM_ShowAllInTheWindow(benchmark::State& state)
{
    if (std::getenv("DISPLAY") == nullptr) {
        state.SkipWithError("needs an X display: run under xvfb-run (see README)");
        return;
    }
    for (auto _ : state) {
        int pipeEnds[2];
        if (::pipe(pipeEnds) != 0) {
            state.SkipWithError("no pipe");
            return;
        }
        if (::fork() == 0) {
            ::close(pipeEnds[0]);
            std::FILE* out = ::fdopen(pipeEnds[1], "w");
            MeasureInTheWindow(static_cast<int>(state.range(0)), out);
            std::fclose(out);
            ::_exit(0);
        }
        ::close(pipeEnds[1]);
        std::FILE* in = ::fdopen(pipeEnds[0], "r");
        std::map<std::string, double> figures;
        char name[64];
        double value = 0;
        while (std::fscanf(in, "%63s %lf", name, &value) == 2)
            figures[name] = value;
        std::fclose(in);
        int status = 0;
        ::wait(&status);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || !figures.contains("report_ms")) {
            state.SkipWithError("the measuring process failed");
            return;
        }
        state.SetIterationTime(figures["appear_ms"] / 1e3);
        for (const auto& [figure, measured] : figures)
            state.counters[figure] = measured;
    }
}
BENCHMARK(BM_ShowAllInTheWindow)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Arg(4'000'000)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
