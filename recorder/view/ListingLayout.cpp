#include "recorder/view/ListingLayout.h"

#include "recorder/view/ListingBlocks.h"

#include <QPainter>
#include <algorithm>
#include <bit>
#include <cmath>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

// Blocks measured when a listing opens to estimate the rest; shorter listings are
// measured whole.
constexpr std::size_t kSampledBlocks = 32;
// Laid-out blocks kept for repainting and scrolling back; a screenful needs a few.
constexpr std::size_t kKeptLayouts = 512;
// Listings of more blocks than this hand their memory back to the system when closed.
constexpr std::size_t kLargeListing = 10'000;

// The C library keeps freed memory for the process; a closed listing of millions of
// Tips would stay resident without asking it to let go.
void ReturnFreedMemory()
{
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

} // namespace

void ListingLayout::open(const ListingBlocks& blocks, std::string head, const Format& format,
                         const QPaintDevice* device)
{
    close();
    m_blocks = &blocks;
    m_head = std::move(head);
    m_format = format;
    m_device = device;
    m_estimate = -1;
    const std::size_t count = std::max<std::size_t>(1, blocks.count());
    m_tree.assign(count + 1, 0);
    m_measured.assign(count, false);

    std::vector<std::size_t> sample;
    const std::size_t sampled = std::min(count, kSampledBlocks);
    for (std::size_t k = 0; k < sampled; ++k)
        sample.push_back(k * (count - 1) / std::max<std::size_t>(1, sampled - 1));
    std::int64_t sampledHeight = 0;
    for (const std::size_t block : sample)
        sampledHeight += layoutOf(block).height();
    m_lineHeight = layoutOf(0).lineHeight();
    const std::int64_t estimate = sampledHeight / static_cast<std::int64_t>(sample.size());

    // Every block counts at the estimate, those measured at their height.
    for (std::size_t i = 1; i <= count; ++i) {
        m_tree[i] += m_measured[i - 1] ? layoutOf(i - 1).height() : estimate;
        const std::size_t parent = i + (i & -i);
        if (parent <= count)
            m_tree[parent] += m_tree[i];
    }
    m_estimate = estimate;
}

void ListingLayout::close()
{
    const bool large = m_tree.size() > kLargeListing;
    m_blocks = nullptr;
    m_head = std::string();
    std::vector<std::int64_t>().swap(m_tree);
    std::vector<bool>().swap(m_measured);
    std::unordered_map<std::size_t, TextLayout>().swap(m_laidOut);
    m_topBlock = 0;
    m_intoTopBlock = 0;
    m_estimate = -1;
    if (large)
        ReturnFreedMemory();
}

const TextLayout& ListingLayout::layoutOf(std::size_t block)
{
    if (const auto found = m_laidOut.find(block); found != m_laidOut.end())
        return found->second;
    if (m_laidOut.size() >= kKeptLayouts)
        m_laidOut.clear();
    std::string bytes = block == 0 ? m_head : std::string();
    if (block < m_blocks->count())
        bytes += m_blocks->block(block);
    const TextLayout& laidOut =
        m_laidOut
            .emplace(block, TextLayout(QString::fromLocal8Bit(bytes), m_format.font, m_format.width,
                                       m_format.centre, m_device))
            .first->second;
    if (!m_measured[block]) {
        m_measured[block] = true;
        // While the listing opens the tree is built from the measured heights instead.
        if (m_estimate >= 0)
            addHeight(block, laidOut.height() - m_estimate);
    }
    return laidOut;
}

std::int64_t ListingLayout::startOf(std::size_t block) const
{
    std::int64_t start = 0;
    for (std::size_t i = block; i > 0; i -= i & -i)
        start += m_tree[i];
    return start;
}

void ListingLayout::addHeight(std::size_t block, std::int64_t delta)
{
    for (std::size_t i = block + 1; i < m_tree.size(); i += i & -i)
        m_tree[i] += delta;
}

std::int64_t ListingLayout::height() const
{
    return m_tree.empty() ? 0 : startOf(blockCount());
}

std::int64_t ListingLayout::top() const
{
    return m_tree.empty() ? 0 : startOf(m_topBlock) + m_intoTopBlock;
}

std::size_t ListingLayout::blockAt(std::int64_t y) const
{
    const std::size_t count = blockCount();
    std::size_t before = 0;
    for (std::size_t step = std::bit_floor(count); step > 0; step >>= 1)
        if (before + step <= count && m_tree[before + step] <= y) {
            before += step;
            y -= m_tree[before];
        }
    return std::min(before, count - 1);
}

void ListingLayout::scrollTo(std::int64_t y, int viewHeight)
{
    if (!isOpen())
        return;
    // Measuring the block found can change where the text ends and which block holds y.
    for (;;) {
        y = std::clamp<std::int64_t>(y, 0, std::max<std::int64_t>(0, height() - viewHeight));
        const std::size_t block = blockAt(y);
        const bool known = m_measured[block];
        const int blockHeight = layoutOf(block).height();
        const std::int64_t start = startOf(block);
        if (known || y < start + blockHeight) {
            m_topBlock = block;
            m_intoTopBlock = std::clamp<std::int64_t>(y - start, 0, std::max(0, blockHeight));
            return;
        }
    }
}

void ListingLayout::scrollToEnd(int viewHeight)
{
    if (!isOpen())
        return;
    std::int64_t measured = 0;
    for (std::size_t block = blockCount(); block > 0 && measured < viewHeight; --block)
        measured += layoutOf(block - 1).height();
    scrollTo(height() - viewHeight, viewHeight);
}

template <class Visit> void ListingLayout::forEachShown(int viewHeight, Visit&& visit)
{
    if (!isOpen())
        return;
    std::int64_t y = -m_intoTopBlock;
    for (std::size_t block = m_topBlock; block < blockCount() && y < viewHeight; ++block) {
        const TextLayout& laidOut = layoutOf(block);
        visit(laidOut, static_cast<int>(y));
        y += laidOut.height();
    }
}

void ListingLayout::draw(QPainter& painter, int viewHeight, const QRect& clip)
{
    forEachShown(viewHeight, [&](const TextLayout& laidOut, int y) {
        laidOut.draw(painter, QPointF(0, y), clip);
    });
}

ListingLayout::ShownLines ListingLayout::shownLines(int viewHeight)
{
    ShownLines shown;
    bool any = false;
    forEachShown(viewHeight, [&](const TextLayout& laidOut, int y) {
        if (laidOut.lineCount() == 0)
            return;
        const auto lineAt = [&](int pixel) {
            return laidOut.lineText(
                std::clamp((pixel - y) / m_lineHeight, 0, laidOut.lineCount() - 1));
        };
        if (!any)
            shown.first = lineAt(0);
        shown.last = lineAt(viewHeight - 1);
        any = true;
    });
    return shown;
}
