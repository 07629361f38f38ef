// The Tips file reader on any bytes: it must never crash, every part it hands back
// ends with its line feed, and what a save writes of them reads back the same.
#include "common/Clock.h"
#include "common/MsRandom.h"
#include "common/TipsFormat.h"

#include <cstdio>
#include <cstdlib>

namespace {

TipsFileContent Read(const std::string& bytes, MsRandom& random)
{
    TipsFileContent content;
    if (bytes.empty())
        return content;
    std::FILE* file = ::fmemopen(const_cast<char*>(bytes.data()), bytes.size(), "rb");
    if (!file)
        std::abort();
    ReadTipsFile(file, content, random, FixedClock{0});
    std::fclose(file);
    return content;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    MsRandom random;
    const TipsFileContent loaded =
        Read(std::string(reinterpret_cast<const char*>(data), size), random);
    std::string saved;
    for (const Tip& tip : loaded.tips) {
        for (const std::string* part : {&tip.date, &tip.category, &tip.text})
            if (part->empty() || part->back() != '\n')
                std::abort();
        if (tip.date.size() > 999 || tip.category.size() > 999)
            std::abort();
        saved += FormatTipRecord(tip, random);
    }
    if (Read(saved, random).tips != loaded.tips)
        std::abort(); // a save would change the Tips
    return 0;
}
