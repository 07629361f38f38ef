#include "common/PagesFaultedAhead.h"

#include <cstddef>
#include <gtest/gtest.h>
#include <memory>

// Faulting pages in beside a writer must never change what the writer puts there,
// whether the writer reports its progress, stops early or never reports at all, and
// whatever the buffer's size and alignment.
TEST(PagesFaultedAhead, LeavesWhatTheWriterWritesAsWritten)
{
    struct Row {
        const char* name;
        std::size_t size;
        std::size_t offset; // of the buffer's start from a fresh allocation
        std::size_t reportEvery;
        std::size_t writtenUpTo;
    };
    constexpr std::size_t kMiB = std::size_t{1} << 20;
    const Row rows[] = {
        {"SmallerThanItsReach", 64 * 1024, 0, 4096, 64 * 1024},
        {"ReportedAllTheWay", 24 * kMiB, 0, 256 * 1024, 24 * kMiB},
        {"UnalignedStart", 24 * kMiB + 123, 7, 100'000, 24 * kMiB + 123},
        {"WriterStopsHalfWay", 24 * kMiB, 0, 256 * 1024, 12 * kMiB},
        {"NeverReported", 24 * kMiB, 0, 0, 24 * kMiB},
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
                    ahead.reached(at);
            }
        }
        std::size_t wrong = 0;
        for (std::size_t at = 0; at < row.writtenUpTo; ++at)
            wrong += buffer[at] != static_cast<char>(at * 31 % 251);
        EXPECT_EQ(wrong, 0u);
    }
}
