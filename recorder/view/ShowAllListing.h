#pragma once

#include <string>

class TipCollection;

// Every Tip as one text for the window: "Tip #n", its date and its text, the Tips
// separated by an empty line. The category is not listed.
std::string ShowAllListing(const TipCollection& tips);
