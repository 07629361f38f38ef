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
    FittedText fitted;
    fitted.fontHeight = startHeight;
    fitted.layout = TextLayout(text, SaverFont(startHeight, device), width, true, device);
    while (fitted.layout.height() >= height && fitted.fontHeight > kSmallestFontHeight) {
        fitted.fontHeight -= kFontHeightStep;
        fitted.layout = TextLayout(text, SaverFont(fitted.fontHeight, device), width, true, device);
    }
    return fitted;
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
