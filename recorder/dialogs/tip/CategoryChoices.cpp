#include "recorder/dialogs/tip/CategoryChoices.h"

#include "recorder/data/TipCollection.h"
#include "common/fields/TipFieldText.h"

#include <QSet>
#include <algorithm>
#include <string_view>
#include <unordered_set>

bool SortsBefore(const QString& a, const QString& b)
{
    const int byCase = QString::compare(a, b, Qt::CaseInsensitive);
    return byCase != 0 ? byCase < 0 : a < b;
}

CategoryChoices::CategoryChoices(const TipCollection& tips, int tipCount)
{
    // A collection of a million Tips usually has a handful of categories: skipping exact
    // repeats on the raw bytes first keeps the text conversions to the distinct ones.
    const int last = std::min(tipCount, tips.count());
    std::unordered_set<std::string_view> seenBytes;
    QSet<QString> seenFolded;
    for (int number = 1; number <= last; ++number) {
        const std::string_view category = tips.parts(number).category;
        if (!seenBytes.insert(category).second)
            continue;
        const QString entry = BoxTextFromPart(category);
        if (!seenFolded.contains(entry.toCaseFolded())) {
            seenFolded.insert(entry.toCaseFolded());
            m_entries.append(entry);
        }
    }
    std::sort(m_entries.begin(), m_entries.end(), SortsBefore);
}

int CategoryChoices::add(const QString& category)
{
    if (contains(category))
        return -1;
    const auto place = std::lower_bound(m_entries.begin(), m_entries.end(), category, SortsBefore);
    const auto index = static_cast<int>(place - m_entries.begin());
    m_entries.insert(index, category);
    return index;
}

bool CategoryChoices::contains(const QString& category) const
{
    return IndexIgnoringCase(m_entries, category) != -1;
}

int IndexIgnoringCase(const QStringList& list, const QString& text)
{
    for (int i = 0; i < list.size(); ++i) {
        if (QString::compare(list.at(i), text, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}
