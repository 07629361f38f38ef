#pragma once

#include <QFont>
#include <QString>
#include <vector>

class QPaintDevice;
class QPainter;
class QRect;

// Lays out text for the Tip window, the printout and the screen saver: CR LF, LF and a
// lone CR each end a line; tabs advance to stops every eight average character widths;
// "&" is an ordinary character; lines break at blanks to fit the width, and a word wider
// than the width breaks between any two characters. A line break at the very end adds
// no empty line. Lines sit one font height apart from the top; each can be centred.
// The layout is computed once; drawing only touches the lines inside the clip, so a
// listing of any length repaints as fast as one Tip.
class TextLayout {
  public:
    TextLayout() = default;
    TextLayout(const QString& text, const QFont& font, int width, bool centre,
               const QPaintDevice* device = nullptr);

    // True when this layout was made from exactly these inputs (the device aside).
    bool isFor(const QString& text, const QFont& font, int width, bool centre) const;

    int lineHeight() const { return m_lineHeight; }
    int lineCount() const { return static_cast<int>(m_lines.size()); }
    int height() const { return lineCount() * m_lineHeight; }
    // The characters of line `index` as laid out, blanks at a wrap point excluded.
    QString lineText(int index) const;
    // Left edge of line `index` relative to the layout's left edge.
    qreal lineLeft(int index) const;

    // Draws the lines that meet `clip`, the layout's top-left corner at `origin`, with
    // the painter's current pen and font replaced by this layout's font.
    void draw(QPainter& painter, const QPointF& origin, const QRect& clip) const;

  private:
    struct Line {
        int start;
        int length;
        qreal width; // without the blanks that end it
    };
    class Measurer;

    void layParagraph(const Measurer& measure, int start, int end);

    QString m_text;
    QFont m_font;
    int m_width = 0;
    bool m_centre = false;
    int m_lineHeight = 0;
    int m_ascent = 0;
    qreal m_tabWidth = 0;
    std::vector<Line> m_lines;
};
