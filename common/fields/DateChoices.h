#pragma once

#include <QStringList>
#include <ctime>

// Today's local date in the four forms the Date boxes offer, in this order:
// MM/DD/YY, "Mon  YY", the four-digit year, DD/MM/YY. The four-digit year reads two-digit
// 99 as 1999 and every other year as 20YY, as users of the forms have always seen it.
QStringList DateChoices(std::time_t now);

// Today as MM/DD/YY in local time.
QString TodayShort(std::time_t now);
