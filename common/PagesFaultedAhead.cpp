#include "common/PagesFaultedAhead.h"

#include <algorithm>
#include <cstdint>
#include <sys/mman.h>
#include <system_error>
#include <unistd.h>

namespace {

// How far ahead of the writer pages are faulted in, and in what steps.
constexpr std::size_t kAhead = std::size_t{4} << 20;
constexpr std::size_t kStep = std::size_t{1} << 20;

} // namespace

PagesFaultedAhead::PagesFaultedAhead(char* buffer, std::size_t size)
    : m_buffer(buffer), m_size(size)
{
    if (m_size <= kAhead)
        return;
    try {
        m_thread = std::thread([this] { faultIn(); });
    } catch (const std::system_error&) {
        // No thread to be had: the writer faults its pages in itself.
    }
}

PagesFaultedAhead::~PagesFaultedAhead()
{
    {
        const std::lock_guard lock(m_mutex);
        m_done = true;
    }
    m_moved.notify_one();
    if (m_thread.joinable())
        m_thread.join();
}

void PagesFaultedAhead::reached(std::size_t offset, std::size_t most)
{
    if (!m_thread.joinable())
        return;
    {
        const std::lock_guard lock(m_mutex);
        m_reached = offset;
        m_most = std::min(m_most, most);
    }
    m_moved.notify_one();
}

void PagesFaultedAhead::faultIn()
{
    const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    const auto start = reinterpret_cast<std::uintptr_t>(m_buffer);
    std::uintptr_t faulted = (start + page - 1) & ~(page - 1); // the first whole page
    const std::uintptr_t end = (start + m_size) & ~(page - 1);
    for (;;) {
        std::uintptr_t wanted = 0;
        {
            std::unique_lock lock(m_mutex);
            m_moved.wait(lock,
                         [&] { return m_done || start + m_reached + kAhead >= faulted + kStep; });
            if (m_done)
                return;
            const std::size_t filled = std::min(m_reached + kAhead, m_most);
            wanted = std::min<std::uintptr_t>(end, (start + filled) & ~(page - 1));
        }
        if (wanted <= faulted)
            return;
        // Faults the pages in as a write would, without touching what they hold.
        if (::madvise(reinterpret_cast<void*>(faulted), wanted - faulted, MADV_POPULATE_WRITE) != 0)
            return;
        faulted = wanted;
        if (faulted >= end)
            return;
    }
}
