#include "recorder/view/PrintedPage.h"

#include "platform/GraphemeCut.h"
#include "platform/TextLayout.h"
#include "recorder/app/CBrevantDoc.h"
#include "recorder/view/DisplayText.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

constexpr int kLargestHeight = 72;
constexpr int kHeightStep = 3;
constexpr int kSmallestHeight = 12;
constexpr float kScreenPxPerMmAt96Dpi = 3;

TextLayout LayOut(const QString& text, const LogFont& font, const QRect& page, bool centre,
                  const QPaintDevice& device)
{
    return TextLayout(text, ToQFont(font, &device), page.width(), centre, &device);
}

} // namespace

PrintedTip PrintedTipOf(const CBrevantDoc& doc)
{
    PrintedTip tip;
    tip.text = FirstWholeGraphemes(QString::fromLocal8Bit(ComposeDisplayText(doc, true)),
                                   PrintedTip::kMaxPrintedCharacters);
    if (doc.m_pLogFont)
        tip.font = *doc.m_pLogFont;
    tip.color = doc.m_Color;
    tip.centre = doc.m_Alignment == 1;
    return tip;
}

int PrintScale(float printerPxPerMm, float screenPxPerMm)
{
    const float screen = screenPxPerMm > 0 ? screenPxPerMm : kScreenPxPerMmAt96Dpi;
    return std::max(1, static_cast<int>(std::ceil(printerPxPerMm / screen)));
}

PageFit FitOnPage(const QString& text, LogFont font, int scale, const QRect& page,
                  const QPaintDevice& device)
{
    // Measured with centred lines, as the page is laid out either way; wrapping does not
    // depend on it.
    font.lfHeight = kLargestHeight * scale;
    int height = LayOut(text, font, page, true, device).height();
    while (height >= page.height()) {
        font.lfHeight -= kHeightStep * scale;
        height = LayOut(text, font, page, true, device).height();
        if (font.lfHeight <= kSmallestHeight * scale)
            break;
    }
    return {font.lfHeight, height};
}

PageFit PaintPrintedTip(QPainter& painter, const PrintedTip& tip, int scale, const QRect& page)
{
    const QPaintDevice& device = *painter.device();
    const PageFit fit = FitOnPage(tip.text, tip.font, scale, page, device);
    LogFont font = tip.font;
    font.lfHeight = fit.lfHeight;
    const TextLayout layout = LayOut(tip.text, font, page, tip.centre, device);
    const int top = tip.centre ? page.top() + (page.height() - fit.textHeight) / 2 : page.top();
    painter.setPen(tip.color.toQColor());
    layout.draw(painter, QPointF(page.left(), top), page);
    return fit;
}
