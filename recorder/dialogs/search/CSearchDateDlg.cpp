#include "recorder/dialogs/search/CSearchDateDlg.h"

#include "recorder/data/TipCollection.h"
#include "recorder/dialogs/tip/CategoryChoices.h"
#include "common/fields/TipFieldText.h"

#include <algorithm>
#include <set>

namespace {

// Every date once, sorted as text, so not in calendar order.
QStringList DistinctDates(const TipCollection& tips, int tipCount)
{
    std::set<std::string_view> dates;
    for (int number = 1; number <= std::min(tipCount, tips.count()); ++number)
        dates.insert(tips.parts(number).date);
    QStringList entries;
    for (const std::string_view date : dates)
        entries.append(BoxTextFromPart(date));
    std::sort(entries.begin(), entries.end(), SortsBefore);
    return entries;
}

} // namespace

CSearchDateDlg::CSearchDateDlg(QWidget* parent, int tipCount, const TipCollection& tips,
                               Messages& messages)
    : FieldSearchDlg(parent, tipCount, tips, messages, tr("&Dates:"),
                     tr("Pick a date to find exactly its Tips, or type part of a date (09 "
                        "finds every date that contains 09)."))
{
    setObjectName(QStringLiteral("CSearchDateDlg"));
    setList(DistinctDates(tips, tipCount));
}

void CSearchDateDlg::search()
{
    searchPickedOrTyped(SearchField::Date, tr("Please enter a Date to search."));
}
