#include "recorder/dialogs/tip/TipDialogTexts.h"

#include "common/TipsFormat.h"

namespace TipDialogTexts {

QString EnterDateAndCategory()
{
    return QStringLiteral("Please enter a Date and Category.");
}
QString EnterDate()
{
    return QStringLiteral("Please enter a Date.");
}
QString EnterCategory()
{
    return QStringLiteral("Please enter a Category.");
}

QString MarkerRefused()
{
    return QStringLiteral("Please modify text.\n\n") +
           QString::fromLatin1(kTipsMarker.data(), static_cast<qsizetype>(kTipsMarker.size())) +
           QStringLiteral(" is not a viable text.");
}

QString SaveThisTip()
{
    return QStringLiteral("Save this Tip?");
}
QString SaveTheChanges()
{
    return QStringLiteral("Save the changes?");
}

QString LineTooLong()
{
    return QStringLiteral("Enter no more than %1 characters.").arg(kLineLimit);
}

QString NumberLabel(int number)
{
    return QStringLiteral("Tip #") + QString::number(number);
}

QString TipCountLine(int tipCount)
{
    return tipCount == 1 ? QStringLiteral("There is 1 Tip.")
                         : QStringLiteral("There are %1 Tips.").arg(tipCount);
}

QString NumberOutOfRange(int tipCount)
{
    return QStringLiteral("Please enter a number between 1 and %1.").arg(tipCount);
}

} // namespace TipDialogTexts
