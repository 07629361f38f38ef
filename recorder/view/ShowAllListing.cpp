#include "recorder/view/ShowAllListing.h"

#include "recorder/data/TipCollection.h"
#include "recorder/view/ListingBlocks.h"

std::string ShowAllListing(const TipCollection& tips, int listed)
{
    return JoinedBlocks(TipListingBlocks(tips, listed));
}
