#pragma once

#include "recorder/dialogs/tip/TipDialogs.h"

#include <deque>

// Dialog results queued by the test, handed out in order.
class ScriptedTipDialogs : public TipDialogs {
  public:
    std::vector<Tip> runAdd(int, const TipCollection&) override { return take(added); }
    std::optional<Tip> runEdit(int tipNumber, const Tip& shown, int, const TipCollection&) override
    {
        editedNumber = tipNumber;
        editShown = shown;
        return take(edits);
    }
    std::optional<int> runDeleteNumber(int) override { return take(numbers); }

    std::deque<std::vector<Tip>> added;
    std::deque<std::optional<Tip>> edits;
    std::deque<std::optional<int>> numbers;
    int editedNumber = 0;
    Tip editShown;

  private:
    template <class T> static T take(std::deque<T>& queue)
    {
        if (queue.empty())
            return T{};
        T front = std::move(queue.front());
        queue.pop_front();
        return front;
    }
};
