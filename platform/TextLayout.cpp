#include "platform/TextLayout.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>
#include <unordered_map>

namespace {

bool IsBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}
bool IsLineEnd(QChar c)
{
    return c == u'\n' || c == u'\r';
}

// Next tab stop strictly right of `x`.
qreal NextTabStop(qreal x, qreal tabWidth)
{
    if (tabWidth <= 0)
        return x;
    return (std::floor(x / tabWidth) + 1) * tabWidth;
}

} // namespace

// Advance widths of single characters, looked up once per character value. Summing
// them is how the layout measures; the font has kerning off so drawing agrees.
class TextLayout::Measurer {
  public:
    explicit Measurer(const QFontMetricsF& metrics) : m_metrics(metrics) { m_basic.fill(-1); }

    // Width of the character (or surrogate pair) at `i`; `units` gets its length.
    qreal advance(const QString& text, int i, int& units) const
    {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            units = 2;
            const char32_t code = QChar::surrogateToUcs4(c, text[i + 1]);
            auto found = m_other.find(code);
            if (found == m_other.end())
                found = m_other.emplace(code, m_metrics.horizontalAdvance(text.mid(i, 2))).first;
            return found->second;
        }
        units = 1;
        const char16_t code = c.unicode();
        if (code < m_basic.size()) {
            qreal& width = m_basic[code];
            if (width < 0)
                width = m_metrics.horizontalAdvance(c);
            return width;
        }
        auto found = m_other.find(code);
        if (found == m_other.end())
            found = m_other.emplace(code, m_metrics.horizontalAdvance(c)).first;
        return found->second;
    }

    qreal width(const QString& text, int start, int end, qreal tabWidth) const
    {
        qreal x = 0;
        int units = 1;
        for (int i = start; i < end; i += units) {
            units = 1;
            x = text[i] == u'\t' ? NextTabStop(x, tabWidth) : x + advance(text, i, units);
        }
        return x;
    }

  private:
    const QFontMetricsF& m_metrics;
    mutable std::array<qreal, 0x3000> m_basic;
    mutable std::unordered_map<char32_t, qreal> m_other;
};

TextLayout::TextLayout(const QString& text, const QFont& font, int width, bool centre,
                       const QPaintDevice* device)
    : m_text(text), m_font(font), m_width(width), m_centre(centre)
{
    const QFontMetricsF metrics = device ? QFontMetricsF(font, device) : QFontMetricsF(font);
    const QFontMetrics whole = device ? QFontMetrics(font, device) : QFontMetrics(font);
    m_lineHeight = std::max(1, whole.height());
    m_ascent = whole.ascent();
    m_tabWidth = 8 * whole.averageCharWidth();

    const Measurer measure(metrics);
    int start = 0;
    const int size = static_cast<int>(m_text.size());
    while (start < size) {
        int end = start;
        while (end < size && !IsLineEnd(m_text[end]))
            ++end;
        layParagraph(measure, start, end);
        start = end;
        if (start < size && m_text[start] == u'\r' && start + 1 < size &&
            m_text[start + 1] == u'\n')
            ++start;
        if (start < size)
            ++start;
    }
}

bool TextLayout::isFor(const QString& text, const QFont& font, int width, bool centre) const
{
    const bool sameText =
        text.size() == m_text.size() && (text.constData() == m_text.constData() || text == m_text);
    return width == m_width && centre == m_centre && font == m_font && sameText;
}

void TextLayout::layParagraph(const Measurer& measure, int start, int end)
{
    const qreal available = std::max(1, m_width);
    int lineStart = start;
    do {
        qreal x = 0;
        qreal contentWidth = 0; // x after the last non-blank character
        int breakAt = -1;       // first blank after a word on this line
        qreal widthAtBreak = 0;
        int i = lineStart;
        int next = end;
        int lineEnd = end;
        while (i < end) {
            const QChar c = m_text[i];
            if (IsBlank(c)) {
                if (i > lineStart && !IsBlank(m_text[i - 1])) {
                    breakAt = i;
                    widthAtBreak = contentWidth;
                }
                int units = 1;
                x = c == u'\t' ? NextTabStop(x, m_tabWidth) : x + measure.advance(m_text, i, units);
                ++i;
                continue;
            }
            int units = 1;
            const qreal w = measure.advance(m_text, i, units);
            if (x + w > available && i > lineStart) {
                if (breakAt > lineStart) {
                    lineEnd = breakAt;
                    contentWidth = widthAtBreak;
                    next = breakAt;
                    while (next < end && IsBlank(m_text[next]))
                        ++next;
                } else {
                    lineEnd = i;
                    next = i;
                }
                break;
            }
            x += w;
            contentWidth = x;
            i += units;
        }
        if (i >= end) {
            lineEnd = end;
            next = end;
        }
        m_lines.push_back(Line{lineStart, lineEnd - lineStart, contentWidth});
        lineStart = next;
    } while (lineStart < end);
}

QString TextLayout::lineText(int index) const
{
    const Line& line = m_lines.at(index);
    QString text = m_text.mid(line.start, line.length);
    while (!text.isEmpty() && IsBlank(text.back()))
        text.chop(1);
    return text;
}

qreal TextLayout::lineLeft(int index) const
{
    return m_centre ? (m_width - m_lines.at(index).width) / 2 : 0;
}

void TextLayout::draw(QPainter& painter, const QPointF& origin, const QRect& clip) const
{
    if (m_lines.empty())
        return;
    const int first =
        std::max(0, static_cast<int>(std::floor((clip.top() - origin.y()) / m_lineHeight)));
    const int last = std::min(
        lineCount() - 1, static_cast<int>(std::floor((clip.bottom() - origin.y()) / m_lineHeight)));
    painter.setFont(m_font);
    const QFontMetricsF metrics(m_font, painter.device());
    const Measurer measure(metrics);
    for (int index = first; index <= last; ++index) {
        const Line& line = m_lines[index];
        const qreal baseline = origin.y() + index * m_lineHeight + m_ascent;
        const qreal left = origin.x() + lineLeft(index);
        // Tabs are not drawn; each run between them starts at its tab stop.
        qreal x = 0;
        int runStart = line.start;
        const int lineEnd = line.start + line.length;
        for (int i = line.start; i <= lineEnd; ++i) {
            if (i < lineEnd && m_text[i] != u'\t')
                continue;
            if (i > runStart) {
                painter.drawText(QPointF(left + x, baseline), m_text.mid(runStart, i - runStart));
                x += measure.width(m_text, runStart, i, m_tabWidth);
            }
            if (i < lineEnd)
                x = NextTabStop(x, m_tabWidth);
            runStart = i + 1;
        }
    }
}
