#pragma once

#include <cstddef>
#include <string>
#include <string_view>

class TipCollection;

// A text for the window cut into blocks that are laid out one at a time, so a listing
// of any length is read only where it is shown. Every cut lies just after a line break,
// so the blocks laid out one under the other show exactly the lines of the whole text.
class ListingBlocks {
  public:
    virtual ~ListingBlocks() = default;
    virtual std::size_t count() const = 0;
    // The bytes of block `index`, 0 <= index < count().
    virtual std::string block(std::size_t index) const = 0;
};

// Show All: a block per Tip, "Tip #n", its date and its text, read from the collection;
// an empty line separates the Tips. Lists Tips 1..`listed`, the ones there were when
// the listing opened.
class TipListingBlocks : public ListingBlocks {
  public:
    TipListingBlocks(const TipCollection& tips, int listed) : m_tips(tips), m_listed(listed) {}
    std::size_t count() const override;
    std::string block(std::size_t index) const override;

  private:
    const TipCollection& m_tips;
    int m_listed;
};

// A text held elsewhere (one Tip, or the hits of a search), cut after the first line
// break at or past every kBlockBytes bytes. The text must outlive the blocks unchanged.
class TextBlocks : public ListingBlocks {
  public:
    static constexpr std::size_t kBlockBytes = 4096;
    explicit TextBlocks(std::string_view text) : m_text(text) {}
    std::size_t count() const override;
    std::string block(std::size_t index) const override;

  private:
    std::size_t cut(std::size_t index) const;

    std::string_view m_text;
};

// All the blocks one after the other: the text the window shows.
std::string JoinedBlocks(const ListingBlocks& blocks);
