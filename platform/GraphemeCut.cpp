#include "platform/GraphemeCut.h"

#include <QTextBoundaryFinder>

QString FirstWholeGraphemes(const QString& text, qsizetype count, bool whole)
{
    qsizetype end = 0;
    for (qsizetype seen = 0; seen < count && end < text.size(); ++seen)
        end += text[end].isHighSurrogate() && end + 1 < text.size() ? 2 : 1;
    if (end == text.size() && whole)
        return text;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    finder.setPosition(end);
    if (end == text.size() || !finder.isAtBoundary())
        end = std::max<qsizetype>(0, finder.toPreviousBoundary());
    return text.left(end);
}
