#pragma once

#include "common/fields/TipFieldText.h"

#include <QString>

// What the Add, Edit and Delete Tip # dialogs say to the user, word for word.
namespace TipDialogTexts {

inline constexpr int kLineLimit = kTipLineLimit;

QString EnterDateAndCategory();
QString EnterDate();
QString EnterCategory();
QString MarkerRefused();
QString SaveThisTip();
QString SaveTheChanges();
QString LineTooLong();
QString NumberLabel(int number);
QString TipCountLine(int tipCount);
QString NumberOutOfRange(int tipCount);

} // namespace TipDialogTexts
