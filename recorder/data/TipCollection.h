#pragma once

#include "common/Tip.h"
#include "common/TipList.h"

#include <vector>

// Every Tip of the user while the recorder runs, numbered 1..count() by position.
// Removing a Tip renumbers the ones after it; there are no stable identifiers. The
// collection never checks the "\n" endings: callers hand in parts that carry them.
class TipCollection {
  public:
    TipCollection() = default;
    explicit TipCollection(TipList tips) : m_tips(std::move(tips)) {}

    int count() const { return static_cast<int>(m_tips.size()); }
    bool isEmpty() const { return m_tips.empty(); }
    bool contains(int number) const { return number >= 1 && number <= count(); }

    // Throws std::out_of_range outside 1..count(): reading a Tip that is not there
    // is a programming error, never something to paper over.
    Tip get(int number) const { return parts(number).toTip(); }
    // The same without a copy; valid until the collection changes.
    TipParts parts(int number) const;

    void append(TipParts tip) { m_tips.push_back(tip); }
    void replace(int number, TipParts tip);
    void remove(int number);
    void removeAll() { m_tips.clear(); }

    // In file order, Tip 1 first: what the Tips file reader gives and the writer takes.
    const TipList& list() const { return m_tips; }
    // The same as separate Tips, copied.
    std::vector<Tip> tips() const { return m_tips.toTips(); }

  private:
    std::size_t index(int number) const;

    TipList m_tips;
};
