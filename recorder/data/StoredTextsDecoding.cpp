#include "recorder/data/StoredTextsDecoding.h"

#include "common/TipsFormat.h"

StoredTextsDecoding::~StoredTextsDecoding()
{
    m_stop = true;
    if (m_rest.joinable())
        m_rest.join();
}

void StoredTextsDecoding::decodeAllBut(std::optional<std::size_t> done)
{
    // Checked now and then only: a look at the flag costs more than a short text.
    constexpr std::size_t kStopCheck = 4096;
    for (std::size_t i = 0; i < m_tips.size(); ++i) {
        if (i % kStopCheck == 0 && m_stop)
            return;
        if (i != done)
            DecodeStoredText(m_tips, i);
    }
}

Tip StoredTextsDecoding::decodeFirstThenRest(std::size_t index)
{
    DecodeStoredText(m_tips, index);
    // Copied before the thread starts: a text it gives a line end may move the buffer.
    Tip first = m_tips[index].toTip();
    m_first = index;
    m_rest = std::thread([this, index] { decodeAllBut(index); });
    return first;
}

void StoredTextsDecoding::finish()
{
    if (m_rest.joinable())
        m_rest.join();
    else if (!m_first)
        decodeAllBut(std::nullopt);
}
