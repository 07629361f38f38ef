#include "common/TipCycle.h"

#include <algorithm>
#include <bit>

namespace {
constexpr int kBits = 64;

// First clear bit of `words` in lo..hi (both inclusive), or -1.
int FirstClearBit(const std::vector<std::uint64_t>& words, int lo, int hi)
{
    for (int bit = lo; bit <= hi;) {
        const std::size_t word = static_cast<std::size_t>(bit / kBits);
        const int offset = bit % kBits;
        const std::uint64_t value = word < words.size() ? words[word] : 0;
        const std::uint64_t clear = ~value >> offset;
        if (clear != 0) {
            const int found = bit + std::countr_zero(clear);
            return found <= hi ? found : -1;
        }
        bit += kBits - offset;
    }
    return -1;
}
} // namespace

bool TipCycle::contains(int number) const
{
    if (number < 1)
        return false;
    const std::size_t word = static_cast<std::size_t>(number / kBits);
    return word < m_present.size() && (m_present[word] >> (number % kBits) & 1u) != 0;
}

void TipCycle::mark(int number)
{
    const std::size_t word = static_cast<std::size_t>(number / kBits);
    if (word >= m_present.size())
        m_present.resize(std::max(word + 1, m_present.size() * 2), 0);
    m_present[word] |= std::uint64_t{1} << (number % kBits);
}

void TipCycle::add(int number)
{
    if (number < 1 || contains(number))
        return;
    m_entries.push_back(static_cast<std::uint32_t>(number));
    mark(number);
}

void TipCycle::clear()
{
    m_entries.clear();
    std::fill(m_present.begin(), m_present.end(), 0);
}

bool TipCycle::forgetTip(int number)
{
    const auto found = std::find(m_entries.begin(), m_entries.end(), number);
    const bool wasLast = found != m_entries.end() && found + 1 == m_entries.end();
    if (found != m_entries.end())
        m_entries.erase(found);
    std::fill(m_present.begin(), m_present.end(), 0);
    for (std::uint32_t& entry : m_entries) {
        if (entry > static_cast<std::uint32_t>(number))
            --entry;
        mark(static_cast<int>(entry));
    }
    return wasLast;
}

int TipCycle::firstAbsentFrom(int start, int count) const
{
    if (count < 1)
        return 0;
    start = std::clamp(start, 1, count);
    int found = FirstClearBit(m_present, start, count);
    if (found < 0 && start > 1)
        found = FirstClearBit(m_present, 1, start - 1);
    return std::max(found, 0);
}
