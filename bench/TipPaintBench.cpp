// How long one paint of the Tip window takes for a 10,000-character Tip in the default
// display font (the window must stay responsive: at most 16 ms a paint). Measured twice:
// when the Tip has just changed (lay out, then draw) and when only the window repaints
// (the kept layout is drawn again).
#include "bench/BenchApplication.h"
#include "platform/LogFont.h"
#include "platform/TextLayout.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

QFont DisplayFont()
{
    LogFont logFont;
    logFont.lfHeight = -64;
    logFont.setFaceName(QStringLiteral("Times New Roman"));
    return ToQFont(logFont);
}

// Ordinary prose with a few typed line breaks: about 10,000 characters.
QString TenThousandCharacters()
{
    const QString sentence =
        QStringLiteral("Patience is the companion of wisdom, and a kind word costs nothing. ");
    QString text = QStringLiteral("\nTip #1234\n");
    while (text.size() < 10'000)
        text +=
            sentence + (text.size() % 700 < sentence.size() ? QStringLiteral("\r\n") : QString());
    return text.left(10'000);
}

void Paint(QImage& window, const TextLayout& layout)
{
    QPainter painter(&window);
    painter.fillRect(window.rect(), QColor(255, 128, 192));
    painter.setPen(Qt::black);
    layout.draw(painter, QPointF(0, 0), window.rect());
}

void BM_PaintChangedTip(benchmark::State& state)
{
    EnsureBenchApplication();
    const QFont font = DisplayFont();
    const QString text = TenThousandCharacters();
    QImage window(1024, 768, QImage::Format_RGB32);
    for (auto _ : state) {
        const TextLayout layout(text, font, window.width(), true, &window);
        Paint(window, layout);
        benchmark::DoNotOptimize(window.bits());
    }
    state.SetLabel("10,000 characters, 64-pixel serif, 1024x768, layout + draw");
}
BENCHMARK(BM_PaintChangedTip)->Unit(benchmark::kMillisecond);

void BM_RepaintSameTip(benchmark::State& state)
{
    EnsureBenchApplication();
    const QFont font = DisplayFont();
    const QString text = TenThousandCharacters();
    QImage window(1024, 768, QImage::Format_RGB32);
    const TextLayout layout(text, font, window.width(), true, &window);
    for (auto _ : state) {
        benchmark::DoNotOptimize(layout.isFor(text, font, window.width(), true));
        Paint(window, layout);
        benchmark::DoNotOptimize(window.bits());
    }
    state.SetLabel("10,000 characters, kept layout, draw only");
}
BENCHMARK(BM_RepaintSameTip)->Unit(benchmark::kMillisecond);

} // namespace
