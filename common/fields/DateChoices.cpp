#include "common/fields/DateChoices.h"

#include <array>

QString TodayShort(std::time_t now)
{
    std::tm local{};
    localtime_r(&now, &local);
    char buffer[16];
    std::strftime(buffer, sizeof buffer, "%m/%d/%y", &local);
    return QString::fromLatin1(buffer);
}

QStringList DateChoices(std::time_t now)
{
    static const std::array<const char*, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const QString today = TodayShort(now);
    const int month = today.left(2).toInt();
    const QString year = today.mid(6);
    const int shortYear = year.toInt();
    return {
        today,
        QString::fromLatin1(kMonths.at(static_cast<std::size_t>(month - 1))) +
            QStringLiteral("  ") + year,
        QString::number(shortYear == 99 ? 1999 : 2000 + shortYear),
        today.mid(3, 3) + today.left(3) + year,
    };
}
