#include "saver/SaverPainting.h"

#include "platform/GraphemeCut.h"
#include "platform/LogFont.h"
#include "saver/SaverScene.h"

#include <QPainter>
#include <algorithm>

QFont SaverFont(int height, const QPaintDevice* device)
{
    LogFont logFont;
    logFont.lfHeight = height;
    logFont.lfWeight = 700;
    logFont.setFaceName(QStringLiteral("Courier New"));
    return ToQFont(logFont, device);
}

FittedText FitSaverText(const QString& text, int startHeight, int width, int height,
                        const QPaintDevice* device)
{
    // The candidates are startHeight, one step less, and so on down to the first at or
    // below the smallest height. A smaller font never makes the text taller, so the first
    // candidate that fits is found by halving, with a few layouts instead of one a step.
    const int last =
        startHeight > kSmallestFontHeight
            ? (startHeight - kSmallestFontHeight + kFontHeightStep - 1) / kFontHeightStep
            : 0;
    const auto layOut = [&](int candidate) {
        const int fontHeight = startHeight - candidate * kFontHeightStep;
        return FittedText{fontHeight,
                          TextLayout(text, SaverFont(fontHeight, device), width, true, device)};
    };
    FittedText best = layOut(0);
    if (best.layout.height() < height || last == 0)
        return best;
    int tooTall = 0; // the largest candidate known not to fit
    int fits = last; // the smallest candidate known to fit, or the last one
    best = layOut(last);
    if (best.layout.height() >= height)
        return best;
    while (fits - tooTall > 1) {
        const int middle = (tooTall + fits) / 2;
        FittedText tried = layOut(middle);
        if (tried.layout.height() < height) {
            fits = middle;
            best = std::move(tried);
        } else {
            tooTall = middle;
        }
    }
    return best;
}

void PaintSaverFrame(QPainter& painter, const QRect& client, const SaverFrame& frame)
{
    painter.fillRect(client, Qt::black);
    // No character takes more than four bytes, so a huge Tip is never converted whole.
    const std::size_t bytes = std::min<std::size_t>(frame.text.size(), 4 * kMaxSaverTextCharacters);
    const QString text = FirstWholeGraphemes(
        QString::fromLocal8Bit(frame.text.data(), static_cast<qsizetype>(bytes)),
        kMaxSaverTextCharacters, bytes == frame.text.size());
    if (text.isEmpty())
        return;
    const FittedText fitted =
        FitSaverText(text, frame.fontHeight, client.width(), client.height(), painter.device());
    const int offset = (client.height() - fitted.layout.height()) / 2;
    painter.setPen(frame.colour.toQColor());
    fitted.layout.draw(painter, QPointF(client.left(), client.top() + offset), client);
}
