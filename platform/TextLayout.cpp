#include "platform/TextLayout.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <utility>

namespace {

bool IsBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}
bool IsLineEnd(QChar c)
{
    return c == u'\n' || c == u'\r';
}

// Texts up to this length (a Tip, not a listing) keep their shaped paragraphs.
constexpr qsizetype kKeptShapedLength = 20'000;

} // namespace

TextLayout::TextLayout() = default;
TextLayout::~TextLayout() = default;

// Copies share the text and the lines; each shapes its own paragraphs when drawn.
TextLayout::TextLayout(const TextLayout& other)
    : m_text(other.m_text), m_font(other.m_font), m_width(other.m_width), m_centre(other.m_centre),
      m_lineHeight(other.m_lineHeight), m_ascent(other.m_ascent), m_tabWidth(other.m_tabWidth),
      m_paragraphs(other.m_paragraphs), m_lines(other.m_lines)
{
}
TextLayout::TextLayout(TextLayout&& other) noexcept = default;
TextLayout& TextLayout::operator=(const TextLayout& other)
{
    if (this != &other)
        *this = TextLayout(other);
    return *this;
}
TextLayout& TextLayout::operator=(TextLayout&& other) noexcept = default;

TextLayout::TextLayout(const QString& text, const QFont& font, int width, bool centre,
                       const QPaintDevice* device)
    : m_text(text), m_font(font), m_width(width), m_centre(centre)
{
    const QFontMetrics whole = device ? QFontMetrics(font, device) : QFontMetrics(font);
    m_lineHeight = std::max(1, whole.height());
    m_ascent = whole.ascent();
    m_tabWidth = 8 * whole.averageCharWidth();

    // Read through a const reference: the text stays shared with the caller's copy.
    const QString& all = m_text;
    int start = 0;
    const int size = static_cast<int>(all.size());
    while (start < size) {
        int end = start;
        while (end < size && !IsLineEnd(all[end]))
            ++end;
        layParagraph(start, end, device);
        start = end;
        if (start < size && all[start] == u'\r' && start + 1 < size && all[start + 1] == u'\n')
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

// The paragraph shaped and broken into lines of the layout's width, its glyphs kept for
// drawing.
TextLayout::Shaped TextLayout::shaped(const Paragraph& paragraph, const QPaintDevice* device) const
{
    EmojiStandIns standIns = StandInsForEmoji(
        QStringView(m_text).mid(paragraph.start, paragraph.length), m_font, device);
    auto layout =
        std::make_unique<QTextLayout>(standIns.text, m_font, const_cast<QPaintDevice*>(device));
    layout->setFormats(standIns.formats);
    layout->setCacheEnabled(true);
    QTextOption option(Qt::AlignLeft | Qt::AlignAbsolute);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setTextDirection(paragraph.rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    option.setTabStopDistance(m_tabWidth);
    layout->setTextOption(option);
    layout->beginLayout();
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine())
        line.setLineWidth(std::max(1, m_width));
    layout->endLayout();
    return Shaped{std::move(layout), std::move(standIns.emoji)};
}

void TextLayout::layParagraph(int start, int end, const QPaintDevice* device)
{
    const int index = static_cast<int>(m_paragraphs.size());
    const QStringView text = QStringView(m_text).mid(start, end - start);
    m_paragraphs.push_back(Paragraph{start, end - start, text.isRightToLeft()});
    if (start == end) {
        m_lines.push_back(Line{start, 0, 0, index, 0});
        return;
    }
    Shaped layout = shaped(m_paragraphs.back(), device);
    for (int row = 0; row < layout.layout->lineCount(); ++row) {
        const QTextLine line = layout.layout->lineAt(row);
        m_lines.push_back(
            Line{start + line.textStart(), line.textLength(), line.naturalTextWidth(), index, row});
    }
    // A Tip is drawn as shaped here, sparing the paint a second shaping; a long listing
    // keeps only what it draws.
    if (m_text.size() <= kKeptShapedLength) {
        m_shapedFor = device;
        m_drawn.emplace(index, std::move(layout));
    }
}

// Shaped for the painter's device, which breaks the lines as the layout measured them.
const TextLayout::Shaped& TextLayout::drawn(int paragraph, const QPaintDevice* device) const
{
    if (device != m_shapedFor) {
        m_drawn.clear();
        m_shapedFor = device;
    }
    auto found = m_drawn.find(paragraph);
    if (found == m_drawn.end())
        found = m_drawn.emplace(paragraph, shaped(m_paragraphs[paragraph], device)).first;
    return found->second;
}

QString TextLayout::lineText(int index) const
{
    const Line& line = m_lines.at(index);
    QString text = m_text.mid(line.start, line.length);
    while (!text.isEmpty() && IsBlank(text.back()))
        text.chop(1);
    return text;
}

bool TextLayout::isRightToLeft(int index) const
{
    return m_paragraphs[m_lines.at(index).paragraph].rightToLeft;
}

qreal TextLayout::lineLeft(int index) const
{
    const qreal spare = m_width - m_lines.at(index).width;
    if (m_centre)
        return spare / 2;
    return isRightToLeft(index) ? spare : 0;
}

void TextLayout::draw(QPainter& painter, const QPointF& origin, const QRect& clip) const
{
    if (m_lines.empty())
        return;
    const int first =
        std::max(0, static_cast<int>(std::floor((clip.top() - origin.y()) / m_lineHeight)));
    const int last = std::min(
        lineCount() - 1, static_cast<int>(std::floor((clip.bottom() - origin.y()) / m_lineHeight)));
    if (first > last)
        return;
    // Paragraphs scrolled out of the clip are shaped again should they come back.
    const int firstParagraph = m_lines[first].paragraph;
    const int lastParagraph = m_lines[last].paragraph;
    std::erase_if(m_drawn, [&](const auto& entry) {
        return entry.first < firstParagraph || entry.first > lastParagraph;
    });
    painter.setFont(m_font);
    for (int index = first; index <= last; ++index) {
        const Line& line = m_lines[index];
        if (line.length == 0)
            continue;
        const Shaped& paragraph = drawn(line.paragraph, painter.device());
        const QTextLine shaped = paragraph.layout->lineAt(line.row);
        if (!shaped.isValid())
            continue;
        // Every line's baseline sits where the font's own would, whatever fallback fonts
        // a line draws with, so lines stay one font height apart.
        const qreal baseline = origin.y() + index * m_lineHeight + m_ascent;
        const qreal left = origin.x() + lineLeft(index);
        shaped.draw(&painter, QPointF(left, baseline - shaped.ascent()));
        drawEmoji(painter, paragraph, line, left, baseline);
    }
}

void TextLayout::drawEmoji(QPainter& painter, const Shaped& shaped, const Line& line, qreal left,
                           qreal baseline) const
{
    const QTextLine drawnLine = shaped.layout->lineAt(line.row);
    const int paragraphStart = m_paragraphs[line.paragraph].start;
    const int start = line.start - paragraphStart;
    for (const EmojiSpan& emoji : shaped.emoji) {
        if (emoji.start < start || emoji.start >= start + line.length)
            continue;
        // Either edge may come first: in a right-to-left run the emoji ends on its left.
        const qreal from = drawnLine.cursorToX(emoji.start);
        const qreal to = drawnLine.cursorToX(emoji.start + emoji.length);
        DrawEmoji(painter, left + std::min(from, to), baseline,
                  m_text.mid(paragraphStart + emoji.start, emoji.length), m_font);
    }
}
