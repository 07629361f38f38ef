#pragma once

#include "platform/TextLayout.h"

#include <QFont>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

class ListingBlocks;
class QPaintDevice;
class QPainter;
class QRect;

// Lays out a text of any length a block at a time, the way large-document viewers do:
// only the blocks on screen are laid out; every other block counts at a height
// estimated from a sample until it is reached and measured. Positions are 64-bit pixels
// from the top of the text. The scroll position is kept as a block and a distance into
// it, so correcting an estimate never moves what is on screen.
class ListingLayout {
  public:
    struct Format {
        QFont font;
        int width = 0;
        bool centre = false;
        bool operator==(const Format&) const = default;
    };
    // The first and last lines a paint shows.
    struct ShownLines {
        QString first;
        QString last;
    };

    // Starts laying out `blocks` (which must outlive the layout), `head` in front of the
    // first one, at the top.
    void open(const ListingBlocks& blocks, std::string head, const Format& format,
              const QPaintDevice* device);
    // Lets go of the blocks and everything measured.
    void close();
    bool isOpen() const { return m_blocks != nullptr; }
    const Format& format() const { return m_format; }

    int lineHeight() const { return m_lineHeight; }
    // Of the whole text; exact once every block has been reached.
    std::int64_t height() const;
    std::int64_t top() const;

    // Puts pixel `y` of the text at the top of a window `viewHeight` high, no further
    // than the last line at the bottom.
    void scrollTo(std::int64_t y, int viewHeight);
    // The last line at the bottom of the window.
    void scrollToEnd(int viewHeight);

    // Draws what a window `viewHeight` high shows inside `clip`.
    void draw(QPainter& painter, int viewHeight, const QRect& clip);
    ShownLines shownLines(int viewHeight);

  private:
    const TextLayout& layoutOf(std::size_t block);
    std::size_t blockCount() const { return m_tree.size() - 1; }
    std::int64_t startOf(std::size_t block) const;
    void addHeight(std::size_t block, std::int64_t delta);
    // The block holding pixel `y`, with every block before it counted as it is now.
    std::size_t blockAt(std::int64_t y) const;
    template <class Visit> void forEachShown(int viewHeight, Visit&& visit);

    const ListingBlocks* m_blocks = nullptr;
    std::string m_head;
    Format m_format;
    const QPaintDevice* m_device = nullptr;
    int m_lineHeight = 1;
    // Heights in a Fenwick tree: start of a block and correction in O(log n).
    std::vector<std::int64_t> m_tree;
    std::vector<bool> m_measured;
    // What an unmeasured block counts; negative while the listing opens.
    std::int64_t m_estimate = -1;
    std::unordered_map<std::size_t, TextLayout> m_laidOut;
    std::size_t m_topBlock = 0;
    std::int64_t m_intoTopBlock = 0;
};
