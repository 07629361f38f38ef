#pragma once

#include "common/Tip.h"

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// A list of Tips held in one byte buffer, each Tip a few offsets into it: a million
// Tips take little more memory than their file, where one string per part would take
// twice as much. Parts handed out as TipParts stay valid until the list is changed.
class TipList {
  public:
    TipList() = default;
    TipList(std::initializer_list<Tip> tips);
    // Every list of Tips reads as one, so callers holding Tips pass them as they are.
    TipList(const std::vector<Tip>& tips);

    std::size_t size() const { return m_entries.size(); }
    bool empty() const { return m_entries.empty(); }
    TipParts operator[](std::size_t index) const;
    TipParts back() const { return (*this)[size() - 1]; }

    void reserve(std::size_t tips, std::size_t bytes);
    void erase(std::size_t index);
    void clear();
    // Throws std::length_error for a date or category of 64 KiB or more.
    void push_back(TipParts tip);
    void replace(std::size_t index, TipParts tip);
    // Adds `more` to the end of Tip `index`'s text.
    void extendText(std::size_t index, std::string_view more);
    // Tip `index`'s text, to be changed where it lies; valid until the list changes.
    std::span<char> text(std::size_t index);
    // Drops the first `count` bytes of Tip `index`'s text where it lies, without moving
    // any other Tip. Touches Tip `index` alone (the few bytes dropped are left out of
    // the waste counted), so threads may drop the fronts of different Tips at once.
    void dropFrontOfText(std::size_t index, std::size_t count);
    // Bytes the Tips take in the buffer, with those of replaced or removed Tips.
    std::size_t bytes() const { return m_bytes.size(); }
    // All the room reserved for the buffer, filled or not, for a caller that prepares its
    // pages (never writes them); valid until the list changes.
    std::span<char> reservedRoom() { return {m_bytes.data(), m_bytes.capacity()}; }
    // Gives the memory of the room reserved but not filled back to the system (pages
    // faulted in ahead, or the rest of a large page); the room stays reserved.
    void releaseUnusedRoom();

    std::vector<Tip> toTips() const;

    class Iterator {
      public:
        using value_type = TipParts;
        using difference_type = std::ptrdiff_t;
        Iterator() = default;
        Iterator(const TipList* list, std::size_t index) : m_list(list), m_index(index) {}
        TipParts operator*() const { return (*m_list)[m_index]; }
        Iterator& operator++()
        {
            ++m_index;
            return *this;
        }
        Iterator operator++(int)
        {
            Iterator before = *this;
            ++m_index;
            return before;
        }
        bool operator==(const Iterator&) const = default;

      private:
        const TipList* m_list = nullptr;
        std::size_t m_index = 0;
    };
    Iterator begin() const { return {this, 0}; }
    Iterator end() const { return {this, size()}; }

  private:
    // Sixteen bytes a Tip: a date or category is one line of a few bytes (a line read
    // from the file is at most one piece), a buffer or text never nears 2^48 bytes.
    struct Entry {
        std::uint64_t at : 48;
        std::uint64_t dateSize : 16;
        std::uint64_t textSize : 48;
        std::uint64_t categorySize : 16;
        std::uint64_t end() const { return at + dateSize + categorySize + textSize; }
    };
    static_assert(sizeof(Entry) == 16);
    Entry store(TipParts tip);
    bool pointsIntoBuffer(const TipParts& tip) const;
    void forget(const Entry& entry);

    std::string m_bytes;
    std::vector<Entry> m_entries;
    std::size_t m_unusedBytes = 0; // bytes of replaced or removed Tips
};
