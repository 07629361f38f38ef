#pragma once

#include <optional>
#include <string>
#include <vector>

class TipCollection;

// What a category, date or text search hands back when it closed with Search.
struct FieldSearchAnswer {
    int lastFound = 0;      // the single hit, or 0
    std::string resultText; // with lastFound 0: the hits, starting with "\n"
    std::string searchText; // what was searched for, as bytes
};

// The four search dialogs the view opens, behind one interface so a command can be run
// from a test with scripted answers. Each call waits until its dialog has closed;
// nothing comes back when the user cancelled.
class SearchDialogs {
  public:
    virtual ~SearchDialogs() = default;

    virtual std::optional<FieldSearchAnswer> runCategorySearch(int tipCount,
                                                               const TipCollection& tips) = 0;
    virtual std::optional<FieldSearchAnswer> runDateSearch(int tipCount,
                                                           const TipCollection& tips) = 0;
    // `searchWords`, the ten recent searches, is read when the dialog opens and written
    // back at every press of Search, whatever comes of it.
    virtual std::optional<FieldSearchAnswer>
    runTextSearch(int tipCount, const TipCollection& tips,
                  std::vector<std::string>& searchWords) = 0;
    // The number of the Tip to show, 1..tipCount.
    virtual std::optional<int> runNumberSearch(int tipCount) = 0;
};
