#pragma once

#include <string>

class TipCollection;

// Tips 1..listed as one text, as the window shows them: "Tip #n", its date and its text,
// the Tips separated by an empty line. The category is not listed. The window itself
// reads the Tips block by block (TipListingBlocks); this text is for printing.
std::string ShowAllListing(const TipCollection& tips, int listed);
