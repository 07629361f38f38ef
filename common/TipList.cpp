#include "common/TipList.h"

#include <cstdint>
#include <cstring>
#include <functional>
#include <stdexcept>
#include <sys/mman.h>
#include <unistd.h>

namespace {

// Below this, waste is never worth a pass over the buffer.
constexpr std::size_t kSmallWaste = 1 << 16;

// Gives `advice` for the whole units of `unit` bytes (a power of two) within [from, to).
void AdviseWholeUnits(const void* from, const void* to, std::uintptr_t unit, int advice)
{
    const auto start = (reinterpret_cast<std::uintptr_t>(from) + unit - 1) & ~(unit - 1);
    const auto end = reinterpret_cast<std::uintptr_t>(to) & ~(unit - 1);
    if (end > start)
        ::madvise(reinterpret_cast<void*>(start), end - start, advice);
}

// Asks for the large pages of the system (2 MiB) for a large buffer: a fresh small page
// costs a fault when first written, and a hundred-megabyte list takes tens of thousands
// of them. On a virtual machine, where each fault also costs the host's, a million Tips
// were read in 270 ms on small pages and in 120 ms on large ones. A system without
// them, or out of them, keeps to small pages.
void PreferHugePages(const void* from, const void* to)
{
    AdviseWholeUnits(from, to, std::uintptr_t{2} << 20, MADV_HUGEPAGE);
}

// Gives back the whole pages of [from, to); they read as zeros if touched again.
void ReleasePages(const void* from, const void* to)
{
    AdviseWholeUnits(from, to, static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE)), MADV_DONTNEED);
}

} // namespace

TipList::TipList(std::initializer_list<Tip> tips)
{
    for (const Tip& tip : tips)
        push_back(tip);
}

TipList::TipList(const std::vector<Tip>& tips)
{
    std::size_t bytes = 0;
    for (const Tip& tip : tips)
        bytes += tip.date.size() + tip.category.size() + tip.text.size();
    reserve(tips.size(), bytes);
    for (const Tip& tip : tips)
        push_back(tip);
}

TipParts TipList::operator[](std::size_t index) const
{
    const Entry& entry = m_entries[index];
    const char* date = m_bytes.data() + entry.at;
    const char* category = date + entry.dateSize;
    const char* text = category + entry.categorySize;
    return {{date, entry.dateSize}, {category, entry.categorySize}, {text, entry.textSize}};
}

void TipList::reserve(std::size_t tips, std::size_t bytes)
{
    m_entries.reserve(tips);
    m_bytes.reserve(bytes);
    PreferHugePages(m_bytes.data(), m_bytes.data() + m_bytes.capacity());
    PreferHugePages(m_entries.data(), m_entries.data() + m_entries.capacity());
}

void TipList::releaseUnusedRoom()
{
    // The byte after the last is the string's terminating NUL, which stays.
    ReleasePages(m_bytes.data() + m_bytes.size() + 1, m_bytes.data() + m_bytes.capacity());
    ReleasePages(m_entries.data() + m_entries.size(), m_entries.data() + m_entries.capacity());
}

bool TipList::pointsIntoBuffer(const TipParts& tip) const
{
    const std::less<const char*> before;
    const char* first = m_bytes.data();
    const char* last = first + m_bytes.capacity();
    for (const std::string_view part : {tip.date, tip.category, tip.text})
        if (!part.empty() && !before(part.data(), first) && before(part.data(), last))
            return true;
    return false;
}

TipList::Entry TipList::store(TipParts tip)
{
    // Appending may move the buffer under parts that point into it.
    if (pointsIntoBuffer(tip))
        return store(tip.toTip());
    constexpr std::size_t kLongestLine = (std::size_t{1} << 16) - 1;
    if (tip.date.size() > kLongestLine || tip.category.size() > kLongestLine)
        throw std::length_error("a Tip's date or category is longer than a line can be");
    Entry entry{};
    entry.at = m_bytes.size();
    entry.dateSize = tip.date.size();
    entry.categorySize = tip.category.size();
    entry.textSize = tip.text.size();
    m_bytes.append(tip.date);
    m_bytes.append(tip.category);
    m_bytes.append(tip.text);
    return entry;
}

void TipList::push_back(TipParts tip)
{
    m_entries.push_back(store(tip));
}

void TipList::forget(const Entry& entry)
{
    m_unusedBytes += entry.end() - entry.at;
    if (m_unusedBytes < kSmallWaste || m_unusedBytes * 2 < m_bytes.size())
        return;
    // More than half the buffer is waste: copy the live Tips into a new one.
    std::string live;
    live.reserve(m_bytes.size() - m_unusedBytes);
    for (Entry& kept : m_entries) {
        const std::uint64_t at = live.size();
        live.append(m_bytes, kept.at, kept.end() - kept.at);
        kept.at = at;
    }
    m_bytes.swap(live);
    m_unusedBytes = 0;
}

void TipList::replace(std::size_t index, TipParts tip)
{
    const Entry stored = store(tip);
    const Entry old = m_entries[index];
    m_entries[index] = stored;
    forget(old);
}

void TipList::erase(std::size_t index)
{
    const Entry old = m_entries[index];
    m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(index));
    forget(old);
}

void TipList::clear()
{
    m_entries.clear();
    m_bytes.clear();
    m_unusedBytes = 0;
}

void TipList::extendText(std::size_t index, std::string_view more)
{
    Entry& entry = m_entries[index];
    if (entry.end() != m_bytes.size() || pointsIntoBuffer({{}, {}, more})) {
        Tip moved = (*this)[index].toTip();
        moved.text.append(more);
        replace(index, moved);
        return;
    }
    m_bytes.append(more);
    entry.textSize += more.size();
}

std::span<char> TipList::text(std::size_t index)
{
    const Entry& entry = m_entries[index];
    return {m_bytes.data() + (entry.end() - entry.textSize), entry.textSize};
}

void TipList::dropFrontOfText(std::size_t index, std::size_t count)
{
    // The date and category move up to the text instead of the text down to them: they
    // are short, and the dropped bytes become a gap before the Tip.
    Entry& entry = m_entries[index];
    char* first = m_bytes.data() + entry.at;
    std::memmove(first + count, first, entry.dateSize + entry.categorySize);
    entry.at += count;
    entry.textSize -= count;
}

std::vector<Tip> TipList::toTips() const
{
    std::vector<Tip> tips;
    tips.reserve(size());
    for (const TipParts tip : *this)
        tips.push_back(tip.toTip());
    return tips;
}
