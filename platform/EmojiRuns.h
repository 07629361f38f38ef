#pragma once

#include <QFont>
#include <QList>
#include <QString>
#include <QStringView>
#include <QTextLayout>
#include <vector>

class QPaintDevice;
class QPainter;

// Qt's FreeType engine decodes a colour emoji's picture each time it measures the emoji,
// which made a Tip with a few dozen emoji take several milliseconds to lay out at every
// font size the fit loops try. So a paragraph is laid out with each emoji replaced by a
// blank stand-in of the emoji's width, which breaks lines as an emoji does (a break is
// allowed on either side, never before closing punctuation) and takes the direction of
// its neighbours as an emoji does; the emoji's picture, drawn once per size with the
// system's colour emoji font, is then painted over the stand-in.
struct EmojiSpan {
    int start;
    int length;
};

// The text as laid out: the stand-ins in place of the emoji, same length, so positions
// in it are positions in the original text.
struct EmojiStandIns {
    QString text;
    QList<QTextLayout::FormatRange> formats;
    std::vector<EmojiSpan> emoji;
};

// Emoji shown as emoji (with emoji presentation, a variation selector, a skin tone or a
// joiner) take the colour emoji font, so a sequence is drawn as one picture even when
// the text's own font has a plain glyph for its first character. `emoji` is empty, and
// the text unchanged, when the text has no emoji or no emoji font is installed.
EmojiStandIns StandInsForEmoji(QStringView text, const QFont& font, const QPaintDevice* device);

// Paints the picture of the emoji `sequence` in `font`'s size and style with its left
// end at `left` and its baseline at `baseline`.
void DrawEmoji(QPainter& painter, qreal left, qreal baseline, const QString& sequence,
               const QFont& font);
