#include "recorder/view/ShowAllListing.h"

#include "recorder/data/TipCollection.h"

std::string ShowAllListing(const TipCollection& tips)
{
    std::size_t size = 0;
    for (const TipParts tip : tips.list())
        size += 20 + tip.date.size() + tip.text.size();
    std::string listing;
    listing.reserve(size);
    for (int number = 1; number <= tips.count(); ++number) {
        const TipParts tip = tips.parts(number);
        listing += number == 1 ? "Tip #" : "\nTip #";
        listing += std::to_string(number);
        listing += '\n';
        listing += tip.date;
        listing += tip.text;
    }
    return listing;
}
