#pragma once

#include <cstdint>
#include <vector>

// The Tips shown in the current no-repeat cycle, in the order they were added, with
// membership answered in constant time so a cycle over a million Tips never turns into
// a quadratic scan. Numbers are Tip numbers (1-based); none is held twice.
class TipCycle {
  public:
    int count() const { return static_cast<int>(m_entries.size()); }
    bool isEmpty() const { return m_entries.empty(); }
    bool contains(int number) const;
    const std::vector<std::uint32_t>& entries() const { return m_entries; }

    // Appends `number` unless it is already in the cycle; numbers below 1 are ignored.
    void add(int number);
    void clear();

    // Tip `number` was deleted: its entry goes and every entry above it moves down by
    // one, as the Tips themselves do. Returns whether the removed entry was the last one
    // added (false when the Tip was not in the cycle).
    bool forgetTip(int number);

    // The first number in start..count, then 1..start-1, that is not in the cycle; 0 when
    // all of 1..count are. Linear in count / 64.
    int firstAbsentFrom(int start, int count) const;

  private:
    void mark(int number);

    std::vector<std::uint32_t> m_entries;
    std::vector<std::uint64_t> m_present; // bit n set: Tip n is in the cycle
};
