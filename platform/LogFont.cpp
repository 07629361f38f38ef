#include "platform/LogFont.h"

#include <QFontMetricsF>
#include <QList>
#include <QPaintDevice>
#include <algorithm>
#include <cmath>

void LogFont::setFaceName(const QString& face)
{
    const QList<uint> codePoints = face.toUcs4();
    if (codePoints.size() <= kMaxFaceLength) {
        lfFaceName = face;
        return;
    }
    lfFaceName = QString::fromUcs4(reinterpret_cast<const char32_t*>(codePoints.constData()),
                                   kMaxFaceLength);
}

namespace {

int ClampedPixels(long long pixels)
{
    return static_cast<int>(std::clamp<long long>(pixels, 1, LogFont::kMaxPixelHeight));
}

// A positive height asks for the whole cell (ascent + descent). Fonts keep the ratio
// of cell to character height across sizes, so one measurement gives the size to ask.
int PixelSizeForCellHeight(QFont font, int cellHeight, const QPaintDevice* device)
{
    font.setPixelSize(cellHeight);
    const qreal measured =
        device ? QFontMetricsF(font, device).height() : QFontMetricsF(font).height();
    if (measured <= 0)
        return cellHeight;
    return ClampedPixels(std::llround(cellHeight * qreal(cellHeight) / measured));
}

} // namespace

QFont ToQFont(const LogFont& logFont, const QPaintDevice* device)
{
    QFont font(logFont.lfFaceName);
    font.setWeight(static_cast<QFont::Weight>(
        std::clamp(logFont.lfWeight == 0 ? 400 : logFont.lfWeight, 1, 1000)));
    font.setItalic(logFont.lfItalic != 0);
    // Character advances add up exactly as the layout measures them only without kerning.
    font.setKerning(false);
    const long long height = logFont.lfHeight;
    if (height < 0)
        font.setPixelSize(ClampedPixels(-height));
    else if (height > 0)
        font.setPixelSize(PixelSizeForCellHeight(font, ClampedPixels(height), device));
    return font;
}

LogFont FromQFont(const QFont& font, int dpiY)
{
    LogFont logFont;
    if (font.pixelSize() > 0)
        logFont.lfHeight = -font.pixelSize();
    else
        logFont.lfHeight = -static_cast<int>(std::lround(font.pointSizeF() * dpiY / 72.0));
    logFont.lfWeight = font.weight();
    logFont.lfItalic = font.italic() ? 1 : 0;
    logFont.setFaceName(font.family());
    return logFont;
}
