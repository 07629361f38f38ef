#include "platform/MessageLines.h"

#include <QFontMetrics>

namespace {

QStringList FillLines(const QStringList& words, const QFontMetrics& metrics, int width)
{
    QStringList lines;
    QString line;
    for (const QString& word : words) {
        const QString longer = line.isEmpty() ? word : line + u' ' + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(longer) > width) {
            lines << line;
            line = word;
        } else {
            line = longer;
        }
    }
    return lines << line;
}

// The narrowest width that still needs no more lines than `maxWidth` does: the words
// spread evenly instead of the last line taking what is left over.
QStringList EvenLines(const QString& paragraph, const QFontMetrics& metrics, int maxWidth)
{
    const QStringList words = paragraph.split(u' ');
    const qsizetype lineCount = FillLines(words, metrics, maxWidth).size();
    int narrow = 1;
    int wide = maxWidth;
    while (narrow < wide) {
        const int middle = narrow + (wide - narrow) / 2;
        if (FillLines(words, metrics, middle).size() <= lineCount)
            wide = middle;
        else
            narrow = middle + 1;
    }
    return FillLines(words, metrics, wide);
}

} // namespace

QStringList MessageLines(const QString& text, const QFontMetrics& metrics, int maxWidth)
{
    QStringList lines;
    for (const QString& paragraph : text.split(u'\n')) {
        if (metrics.horizontalAdvance(paragraph) <= maxWidth)
            lines << paragraph;
        else
            lines << EvenLines(paragraph, metrics, maxWidth);
    }
    return lines;
}
