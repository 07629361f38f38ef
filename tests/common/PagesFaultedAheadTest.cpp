#include "common/PagesFaultedAhead.h"

#include <cstddef>
#include <cstdint>
#include <gtest/gtest.h>
#include <memory>
#include <sys/mman.h>
#include <unistd.h>
#include <vector>

namespace {

// The pages wholly within [from, to) that are in memory.
std::size_t ResidentPagesAfter(const char* from, const char* to)
{
    const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    const std::uintptr_t first = (reinterpret_cast<std::uintptr_t>(from) + page - 1) & ~(page - 1);
    const std::uintptr_t last = reinterpret_cast<std::uintptr_t>(to) & ~(page - 1);
    if (last <= first)
        return 0;
    std::vector<unsigned char> resident((last - first) / page);
    if (::mincore(reinterpret_cast<void*>(first), last - first, resident.data()) != 0)
        return 0;
    std::size_t count = 0;
    for (const unsigned char flags : resident)
        count += flags & 1u;
    return count;
}

} // namespace

// Faulting pages in beside a writer must never change what the writer puts there,
// whether the writer reports its progress, stops early or never reports at all, and
// whatever the buffer's size and alignment; and never fault in a page past where the
// writer said it would stop.
TEST(PagesFaultedAhead, LeavesWhatTheWriterWritesAsWritten)
{
    struct Row {
        const char* name;
        std::size_t size;
        std::size_t offset; // of the buffer's start from a fresh allocation
        std::size_t reportEvery;
        std::size_t writtenUpTo;
        std::size_t most; // the writer's word that it never fills the buffer past this
    };
    constexpr std::size_t kMiB = std::size_t{1} << 20;
    const Row rows[] = {
        {"SmallerThanItsReach", 64 * 1024, 0, 4096, 64 * 1024, 64 * 1024},
        {"ReportedAllTheWay", 24 * kMiB, 0, 256 * 1024, 24 * kMiB, 24 * kMiB},
        {"UnalignedStart", 24 * kMiB + 123, 7, 100'000, 24 * kMiB + 123, 24 * kMiB + 123},
        {"WriterStopsHalfWay", 24 * kMiB, 0, 256 * 1024, 12 * kMiB, 24 * kMiB},
        {"WriterStopsWhereItSaid", 24 * kMiB, 0, 256 * 1024, 12 * kMiB + 5, 12 * kMiB + 5},
        {"NeverReported", 24 * kMiB, 0, 0, 24 * kMiB, 24 * kMiB},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto storage = std::make_unique_for_overwrite<char[]>(row.size + row.offset);
        char* const buffer = storage.get() + row.offset;
        {
            PagesFaultedAhead ahead(buffer, row.size);
            for (std::size_t at = 0; at < row.writtenUpTo; ++at) {
                buffer[at] = static_cast<char>(at * 31 % 251);
                if (row.reportEvery != 0 && at % row.reportEvery == 0)
                    ahead.reached(at, row.most);
            }
        }
        std::size_t wrong = 0;
        for (std::size_t at = 0; at < row.writtenUpTo; ++at)
            wrong += buffer[at] != static_cast<char>(at * 31 % 251);
        EXPECT_EQ(wrong, 0u);
        EXPECT_EQ(ResidentPagesAfter(buffer + row.most, buffer + row.size), 0u);
    }
}
