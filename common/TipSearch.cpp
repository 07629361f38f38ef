#include "common/TipSearch.h"

#include "common/ByteBlock.h"
#include "common/CaseFolding.h"
#include "common/InHalves.h"

#include <algorithm>
#include <array>

namespace {

std::string_view PartOf(const TipParts& tip, SearchField field)
{
    switch (field) {
    case SearchField::Date: return tip.date;
    case SearchField::Category: return tip.category;
    case SearchField::Text: break;
    }
    return tip.text;
}

ByteBlock FoldAsciiBlock(ByteBlock block)
{
    const auto upper = (block >= 'A') & (block <= 'Z');
    return block | (reinterpret_cast<const ByteBlock&>(upper) & 0x20);
}

// One folded word, found where its first and last bytes both match, ASCII letters folded
// on the fly, sixteen starting places at a time: a Tip in plain ASCII (nearly all of
// them) is searched where it lies, without a copy, and few places are looked at closer.
class FoldedWord {
  public:
    explicit FoldedWord(std::string folded) : m_word(std::move(folded)) {}

    bool foundIn(std::string_view text) const
    {
        const std::size_t length = m_word.size();
        if (length == 0 || length > text.size())
            return false;
        const std::size_t places = text.size() - length + 1;
        std::size_t start = 0;
        for (; start + kByteBlock <= places; start += kByteBlock)
            if (foundInBlock(text, start))
                return true;
        // The last places are looked at in a block that overlaps ones already done.
        if (places >= kByteBlock)
            return foundInBlock(text, places - kByteBlock);
        for (; start < places; ++start)
            if (foundAt(text, start))
                return true;
        return false;
    }

  private:
    bool foundInBlock(std::string_view text, std::size_t start) const
    {
        const ByteBlock firsts = FoldAsciiBlock(LoadByteBlock(text.data() + start));
        const ByteBlock lasts =
            FoldAsciiBlock(LoadByteBlock(text.data() + start + m_word.size() - 1));
        const auto both = (firsts == static_cast<unsigned char>(m_word.front())) &
                          (lasts == static_cast<unsigned char>(m_word.back()));
        if (!AnyByteSet(reinterpret_cast<const ByteBlock&>(both)))
            return false;
        for (std::size_t k = 0; k < kByteBlock; ++k)
            if (both[k] != 0 && foundAt(text, start + k))
                return true;
        return false;
    }

    bool foundAt(std::string_view text, std::size_t start) const
    {
        for (std::size_t i = 0; i < m_word.size(); ++i)
            if (FoldAsciiByte(static_cast<unsigned char>(text[start + i])) !=
                static_cast<unsigned char>(m_word[i]))
                return false;
        return true;
    }

    std::string m_word;
};

class WordMatcher {
  public:
    WordMatcher(const std::vector<std::string>& terms, bool orMode) : m_orMode(orMode)
    {
        for (const std::string& term : terms)
            m_words.emplace_back(FoldCase(term));
    }

    bool matches(std::string_view part)
    {
        if (m_words.empty())
            return false;
        // Text beyond ASCII may change length when folded (and a few characters fold to
        // ASCII letters), so it is searched in its folded copy.
        if (!IsAscii(part)) {
            FoldCaseInto(part, m_folded);
            part = m_folded;
        }
        for (const FoldedWord& word : m_words) {
            if (word.foundIn(part) == m_orMode)
                return m_orMode;
        }
        return !m_orMode;
    }

  private:
    bool m_orMode;
    std::vector<FoldedWord> m_words;
    std::string m_folded;
};

// Lists this long are searched in two halves at once, the second on a thread of its own.
constexpr std::size_t kSearchedInHalvesFrom = std::size_t{1} << 16;

// The positions of the Tips among the first `searched` whose part the matcher accepts, in
// Tip order; `makeMatches` gives each half a matcher of its own.
template <class MakeMatches>
std::vector<std::size_t> Positions(const TipList& tips, std::size_t searched, SearchField field,
                                   MakeMatches makeMatches)
{
    std::array<std::vector<std::size_t>, 2> found;
    InHalves(std::min(searched, tips.size()), kSearchedInHalvesFrom,
             [&](int half, std::size_t from, std::size_t to) {
                 auto matches = makeMatches();
                 for (std::size_t i = from; i < to; ++i)
                     if (matches(PartOf(tips[i], field)))
                         found[half].push_back(i);
             });
    found[0].insert(found[0].end(), found[1].begin(), found[1].end());
    return found[0];
}

SearchResult Collect(const TipList& tips, const std::vector<std::size_t>& positions)
{
    SearchResult result;
    for (const std::size_t i : positions) {
        const TipParts tip = tips[i];
        const int number = static_cast<int>(i) + 1;
        result.resultText += "\nTip #";
        result.resultText += std::to_string(number);
        result.resultText += '\n';
        result.resultText += tip.date;
        result.resultText += tip.text;
        result.lastFound = number;
    }
    result.foundCount = static_cast<int>(positions.size());
    if (result.foundCount != 1)
        result.lastFound = 0;
    return result;
}

// Matchers for the two kinds of search, one made for each half of a long list.
auto WordMatchers(const std::vector<std::string>& terms, bool orMode)
{
    return [&terms, orMode] {
        return [matcher = WordMatcher(terms, orMode)](std::string_view part) mutable {
            return matcher.matches(part);
        };
    };
}

bool EqualsUpToLineEnd(std::string_view part, std::string_view entry)
{
    return part.substr(0, part.find('\n')) == entry;
}

} // namespace

std::vector<std::string> SearchTerms(std::string_view typed)
{
    std::vector<std::string> terms;
    std::size_t at = 0;
    while (at < typed.size()) {
        const std::size_t start = typed.find_first_not_of(' ', at);
        if (start == std::string_view::npos)
            break;
        const std::size_t end = std::min(typed.find(' ', start), typed.size());
        terms.emplace_back(typed.substr(start, end - start));
        at = end;
    }
    return terms;
}

SearchResult SearchByWords(const TipList& tips, SearchField field,
                           const std::vector<std::string>& terms, bool orMode, std::size_t searched)
{
    return Collect(tips, Positions(tips, searched, field, WordMatchers(terms, orMode)));
}

SearchResult SearchExactly(const TipList& tips, SearchField field, std::string_view entry,
                           std::size_t searched)
{
    return Collect(tips, PositionsExactly(tips, field, entry, searched));
}

std::vector<std::size_t> PositionsByWords(const TipList& tips, SearchField field,
                                          const std::vector<std::string>& terms, bool orMode)
{
    return Positions(tips, kAllTips, field, WordMatchers(terms, orMode));
}

std::vector<std::size_t> PositionsExactly(const TipList& tips, SearchField field,
                                          std::string_view entry, std::size_t searched)
{
    return Positions(tips, searched, field, [entry] {
        return [entry](std::string_view part) { return EqualsUpToLineEnd(part, entry); };
    });
}
