#include "common/TipReport.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

namespace {

struct Tally {
    std::string_view name;
    unsigned long count;
};

// Counts each distinct value in order of first appearance. A hash map finds the earlier
// entry of a value at once, so a million Tips with as many distinct dates stay fast.
template <class Field> std::vector<Tally> TallyOf(const TipList& tips, Field field)
{
    std::vector<Tally> tallies;
    std::unordered_map<std::string_view, std::size_t> position;
    position.reserve(tips.size());
    for (const TipParts tip : tips) {
        const std::string_view value = tip.*field;
        const auto [found, isNew] = position.try_emplace(value, tallies.size());
        if (isNew)
            tallies.push_back({value, 1});
        else
            ++tallies[found->second].count;
    }
    for (Tally& tally : tallies)
        tally.name = WithoutLineEnd(tally.name);
    // Stable, so names that only a damaged file makes equal keep their first-seen order.
    std::stable_sort(tallies.begin(), tallies.end(),
                     [](const Tally& a, const Tally& b) { return a.name < b.name; });
    return tallies;
}

template <class Field>
void AppendSection(std::string& report, const char* heading, const TipList& tips, Field field)
{
    report += "\r\n\r\n";
    report += heading;
    for (const Tally& tally : TallyOf(tips, field)) {
        report += "\r\n";
        report += std::to_string(tally.count);
        report += '\t';
        report += tally.name;
    }
}

} // namespace

std::string BuildReport(const TipList& tips)
{
    std::string report = tips.size() == 1 ? std::string("There is 1 Tip.")
                                          : "There are " + std::to_string(tips.size()) + " Tips.";
    if (tips.empty())
        return report;
    AppendSection(report, "--- Number of Tips in each Category ---", tips, &TipParts::category);
    AppendSection(report, "--- Number of Tips in each Date ---", tips, &TipParts::date);
    return report;
}
