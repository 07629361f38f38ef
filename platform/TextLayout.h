#pragma once

#include "platform/EmojiRuns.h"

#include <QFont>
#include <QString>
#include <map>
#include <memory>
#include <vector>

class QPaintDevice;
class QPainter;
class QRect;
class QTextLayout;

// Lays out text for the Tip window, the printout and the screen saver with Qt's text
// engine, so joined scripts, ligatures, emoji sequences and combining marks are shaped
// and measured as drawn. CR LF, LF and a lone CR each end a paragraph; tabs advance to
// stops every eight average character widths from the line's start; "&" is an ordinary
// character; lines break where Unicode allows a break (between words, between CJK
// ideographs) to fit the width, and a word wider than the width breaks between any two
// graphemes. A line break at the very end adds no empty line. Each paragraph reads in
// the direction of its first strong character, as Qt's editors show it; a line is
// centred, or set against the paragraph's start edge (the right one for right-to-left
// text). Lines sit one font height apart from the top, so the measured height is the
// drawn one. Drawing shapes only the paragraphs inside the clip, so a listing of any
// length repaints as fast as one Tip.
class TextLayout {
  public:
    TextLayout();
    TextLayout(const QString& text, const QFont& font, int width, bool centre,
               const QPaintDevice* device = nullptr);
    TextLayout(const TextLayout& other);
    TextLayout(TextLayout&& other) noexcept;
    TextLayout& operator=(const TextLayout& other);
    TextLayout& operator=(TextLayout&& other) noexcept;
    ~TextLayout();

    // True when this layout was made from exactly these inputs (the device aside).
    bool isFor(const QString& text, const QFont& font, int width, bool centre) const;

    int lineHeight() const { return m_lineHeight; }
    int lineCount() const { return static_cast<int>(m_lines.size()); }
    int height() const { return lineCount() * m_lineHeight; }
    // The characters of line `index` in reading order, blanks at a wrap point excluded.
    QString lineText(int index) const;
    // Left edge of line `index` relative to the layout's left edge.
    qreal lineLeft(int index) const;
    // Whether line `index` belongs to a right-to-left paragraph.
    bool isRightToLeft(int index) const;

    // Draws the lines that meet `clip`, the layout's top-left corner at `origin`, with
    // the painter's current pen and this layout's font.
    void draw(QPainter& painter, const QPointF& origin, const QRect& clip) const;

  private:
    struct Line {
        int start;
        int length;
        qreal width; // without the blanks that end it
        int paragraph;
        int row; // within its paragraph
    };
    struct Paragraph {
        int start;
        int length;
        bool rightToLeft;
    };

    // A paragraph shaped and broken into lines, with where its emoji are drawn.
    struct Shaped {
        std::unique_ptr<QTextLayout> layout;
        std::vector<EmojiSpan> emoji;
    };

    void layParagraph(int start, int end, const QPaintDevice* device);
    Shaped shaped(const Paragraph& paragraph, const QPaintDevice* device) const;
    const Shaped& drawn(int paragraph, const QPaintDevice* device) const;
    void drawEmoji(QPainter& painter, const Shaped& shaped, const Line& line, qreal left,
                   qreal baseline) const;

    QString m_text;
    QFont m_font;
    int m_width = 0;
    bool m_centre = false;
    int m_lineHeight = 0;
    int m_ascent = 0;
    qreal m_tabWidth = 0;
    std::vector<Paragraph> m_paragraphs;
    std::vector<Line> m_lines;
    // The paragraphs last drawn, shaped with their lines in place, for the next paint.
    mutable std::map<int, Shaped> m_drawn;
    // The device they were shaped for, compared and never used.
    mutable const QPaintDevice* m_shapedFor = nullptr;
};
