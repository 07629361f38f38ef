#pragma once

#include "common/Tip.h"
#include "common/TipList.h"

#include <cstddef>
#include <limits>

#include <string>
#include <string_view>
#include <vector>

// Searching the Tips by one of their parts, as the recorder's Search dialogs do and as a
// script may: typed words matched regardless of case, or a list entry matched exactly.

enum class SearchField { Date, Category, Text };

// The words of a typed search: every run of characters other than the space, in order.
// Tabs and every other character belong to the words.
std::vector<std::string> SearchTerms(std::string_view typed);

struct SearchResult {
    // Per hit, in Tip order: "\nTip #" + number + "\n", then its date and its text.
    std::string resultText;
    int foundCount = 0;
    // The hit's number when exactly one Tip matched, else 0.
    int lastFound = 0;
};

inline constexpr std::size_t kAllTips = std::numeric_limits<std::size_t>::max();

// A Tip (number = position in `tips` + 1) matches when any word (`orMode`) or every word
// occurs inside the searched part, its line end included, letter case aside (see
// FoldCase). No words match nothing in either mode. Only the first `searched` Tips
// are looked at.
SearchResult SearchByWords(const TipList& tips, SearchField field,
                           const std::vector<std::string>& terms, bool orMode,
                           std::size_t searched = kAllTips);

// Tips whose searched part, up to its first "\n", equals `entry` byte for byte.
SearchResult SearchExactly(const TipList& tips, SearchField field, std::string_view entry,
                           std::size_t searched = kAllTips);

// The positions (from 0) of the Tips the two searches above would list, in Tip order, for
// callers that show the Tips their own way.
std::vector<std::size_t> PositionsByWords(const TipList& tips, SearchField field,
                                          const std::vector<std::string>& terms, bool orMode);
std::vector<std::size_t> PositionsExactly(const TipList& tips, SearchField field,
                                          std::string_view entry, std::size_t searched = kAllTips);
