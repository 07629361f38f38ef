#pragma once

#include "common/Tip.h"

#include <vector>

// Every Tip of the user while the recorder runs, numbered 1..count() by position.
// Removing a Tip renumbers the ones after it; there are no stable identifiers. The
// collection never checks the "\n" endings: callers hand in parts that carry them.
class TipCollection {
  public:
    TipCollection() = default;
    explicit TipCollection(std::vector<Tip> tips) : m_tips(std::move(tips)) {}

    int count() const { return static_cast<int>(m_tips.size()); }
    bool isEmpty() const { return m_tips.empty(); }
    bool contains(int number) const { return number >= 1 && number <= count(); }

    // Throws std::out_of_range outside 1..count(): reading a Tip that is not there
    // is a programming error, never something to paper over.
    const Tip& get(int number) const;

    void append(Tip tip) { m_tips.push_back(std::move(tip)); }
    void replace(int number, Tip tip);
    void remove(int number);
    void removeAll() { m_tips.clear(); }

    // In file order, Tip 1 first: what the Tips file reader gives and the writer takes.
    const std::vector<Tip>& tips() const { return m_tips; }

  private:
    std::size_t index(int number) const;

    std::vector<Tip> m_tips;
};
