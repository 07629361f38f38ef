#include "common/fields/TipFieldText.h"

#include "common/PieceReader.h"
#include "common/Tip.h"
#include "common/TipsFormat.h"

#include <QTextBoundaryFinder>

QString BoxTextFromPart(std::string_view part)
{
    const std::string_view bytes = WithoutLineEnd(part);
    QString text = QString::fromLocal8Bit(bytes.data(), static_cast<qsizetype>(bytes.size()));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

std::string PartFromBoxText(const QString& boxText)
{
    QString text = boxText;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    const QByteArray bytes = text.toLocal8Bit();
    std::string part(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    part.push_back('\n');
    return part;
}

QString SingleLine(const QString& text)
{
    QString line = text;
    for (QChar& c : line) {
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator)
            c = QLatin1Char(' ');
    }
    return line;
}

bool FitsTipsFileLine(const QString& line)
{
    return PartFromBoxText(SingleLine(line)).size() <= PieceReader::kMaxPiece;
}

int VisibleLength(const QString& text)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    int count = 0;
    while (finder.toNextBoundary() != -1)
        ++count;
    return count;
}

QString TrimmedEnd(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1).isSpace())
        --end;
    return text.left(end);
}

bool ContainsMarker(const QStringList& parts)
{
    const QString marker =
        QString::fromLatin1(kTipsMarker.data(), static_cast<qsizetype>(kTipsMarker.size()));
    for (const QString& part : parts) {
        if (part.contains(marker))
            return true;
    }
    return false;
}
