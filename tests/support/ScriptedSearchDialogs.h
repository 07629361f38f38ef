#pragma once

#include "recorder/dialogs/search/SearchDialogs.h"

#include <deque>

// Search dialog results queued by the test, handed out in order; an empty queue is a
// cancelled dialog. The text search puts `newHistory`, when given, in place of the
// recent searches, as the dialog does at a press of Search.
class ScriptedSearchDialogs : public SearchDialogs {
  public:
    std::optional<FieldSearchAnswer> runCategorySearch(int, const TipCollection&) override
    {
        return take(answers);
    }
    std::optional<FieldSearchAnswer> runDateSearch(int, const TipCollection&) override
    {
        return take(answers);
    }
    std::optional<FieldSearchAnswer> runTextSearch(int, const TipCollection&,
                                                   std::vector<std::string>& searchWords) override
    {
        if (!newHistory.empty())
            searchWords = newHistory;
        return take(answers);
    }
    std::optional<int> runNumberSearch(int) override { return take(numbers); }

    std::deque<std::optional<FieldSearchAnswer>> answers;
    std::deque<std::optional<int>> numbers;
    std::vector<std::string> newHistory;

  private:
    template <class T> static std::optional<T> take(std::deque<std::optional<T>>& queue)
    {
        std::optional<T> front;
        if (!queue.empty()) {
            front = std::move(queue.front());
            queue.pop_front();
        }
        return front;
    }
};
