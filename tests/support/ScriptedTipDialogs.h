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
    void runSaverSettings(int tipCount) override { saverSettingsOpened.push_back(tipCount); }

    std::deque<std::vector<Tip>> added;
    std::deque<std::optional<Tip>> edits;
    std::deque<std::optional<int>> numbers;
    std::vector<int> saverSettingsOpened; // the Tip count each opening was given
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
