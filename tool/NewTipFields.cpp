#include "tool/NewTipFields.h"

#include "common/Clock.h"
#include "common/PieceReader.h"
#include "common/fields/DateChoices.h"
#include "common/fields/TipFieldText.h"

#include <QTextBoundaryFinder>
#include <filesystem>

namespace {

QString FromBytes(const std::string& bytes)
{
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string LineProblem(const char* name, const QString& line)
{
    if (line.isEmpty())
        return std::string("the ") + name + " is empty";
    if (VisibleLength(line) > kTipLineLimit)
        return std::string("the ") + name + " is longer than " + std::to_string(kTipLineLimit) +
               " characters";
    if (!FitsTipsFileLine(line))
        return std::string("the ") + name + " is longer than a line of the Tips file holds (" +
               std::to_string(PieceReader::kMaxPiece - 1) + " bytes)";
    return {};
}

} // namespace

std::string MakeNewTip(const std::string& date, const std::string& category,
                       const std::string& text, Tip& tip)
{
    const QString dateLine = SingleLine(FromBytes(date)).trimmed();
    const QString categoryLine = SingleLine(FromBytes(category)).trimmed();
    const QString body = FromBytes(text).trimmed();
    if (body.isEmpty())
        return "the text is empty";
    for (const std::string& problem :
         {LineProblem("date", dateLine), LineProblem("category", categoryLine)}) {
        if (!problem.empty())
            return problem;
    }
    if (ContainsMarker({body, dateLine, categoryLine}))
        return "a Tip may not contain the Tips file's record marker";
    tip = {PartFromBoxText(dateLine), PartFromBoxText(categoryLine), PartFromBoxText(body)};
    return {};
}

std::string CategoryFromFileName(const std::string& path)
{
    const QString stem =
        SingleLine(QString::fromStdString(std::filesystem::path(path).stem().string()).trimmed());
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, stem);
    qsizetype end = 0;
    for (int count = 0; count < kTipLineLimit && finder.toNextBoundary() != -1; ++count)
        end = finder.position();
    const QByteArray bytes = stem.left(end).toUtf8();
    return bytes.toStdString();
}

std::string TodayPart()
{
    return TodayShort(SystemClock().now()).toStdString() + "\n";
}
