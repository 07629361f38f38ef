#include "recorder/view/ListingBlocks.h"

#include "recorder/data/TipCollection.h"

#include <algorithm>

std::size_t TipListingBlocks::count() const
{
    return static_cast<std::size_t>(std::clamp(m_listed, 0, m_tips.count()));
}

namespace {

// The last byte the listing holds of a Tip: of its text, or of what comes before it.
char LastByte(const TipParts& tip)
{
    if (!tip.text.empty())
        return tip.text.back();
    return tip.date.empty() ? '\n' : tip.date.back();
}

} // namespace

std::string TipListingBlocks::block(std::size_t index) const
{
    const int number = static_cast<int>(index) + 1;
    const TipParts tip = m_tips.parts(number);
    // The line feed between two Tips makes an empty line only after a line feed; else it
    // ends the previous Tip's last line (or joins its "\r" into one break), so it goes
    // with that Tip's block: a block never starts inside a line.
    const bool emptyLineFirst = number > 1 && LastByte(m_tips.parts(number - 1)) == '\n';
    const bool lineFeedLast = index + 1 < count() && LastByte(tip) != '\n';
    const std::string label = "Tip #" + std::to_string(number) + "\n";
    std::string block(emptyLineFirst ? 1 : 0, '\n');
    block.reserve(2 + label.size() + tip.date.size() + tip.text.size());
    block.append(label).append(tip.date).append(tip.text);
    if (lineFeedLast)
        block.push_back('\n');
    return block;
}

std::size_t TextBlocks::count() const
{
    return (m_text.size() + kBlockBytes - 1) / kBlockBytes;
}

std::size_t TextBlocks::cut(std::size_t index) const
{
    const std::size_t from = index * kBlockBytes;
    if (index == 0 || from >= m_text.size())
        return std::min(from, m_text.size());
    // A cut between "\r" and "\n" would split one line break into two.
    const std::size_t end = m_text.find_first_of("\r\n", from - 1);
    if (end == std::string_view::npos)
        return m_text.size();
    if (m_text[end] == '\r' && end + 1 < m_text.size() && m_text[end + 1] == '\n')
        return end + 2;
    return end + 1;
}

std::string TextBlocks::block(std::size_t index) const
{
    const std::size_t from = cut(index);
    return std::string(m_text.substr(from, std::max(from, cut(index + 1)) - from));
}

std::string JoinedBlocks(const ListingBlocks& blocks)
{
    std::string joined;
    for (std::size_t index = 0; index < blocks.count(); ++index)
        joined += blocks.block(index);
    return joined;
}
