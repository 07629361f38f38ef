// The Tips file reader on any bytes: it must never crash, every part it hands back
// ends with its line feed, what a save writes of them reads back the same, and a reader
// that keeps the texts scrambled and decodes one when it shows it sees the same texts.
#include "common/Clock.h"
#include "common/MsRandom.h"
#include "common/TipsFormat.h"

#include <cstdio>
#include <cstdlib>

namespace {

template <class Reader> void WithFile(const std::string& bytes, Reader read)
{
    if (bytes.empty())
        return;
    std::FILE* file = ::fmemopen(const_cast<char*>(bytes.data()), bytes.size(), "rb");
    if (!file)
        std::abort();
    read(file);
    std::fclose(file);
}

TipsFileContent Read(const std::string& bytes, MsRandom& random)
{
    TipsFileContent content;
    WithFile(bytes, [&](std::FILE* file) { ReadTipsFile(file, content, random, FixedClock{0}); });
    return content;
}

void ExpectSameTextsKeptScrambled(const std::string& bytes, const TipsFileContent& loaded)
{
    LoadedTips stored;
    WithFile(bytes, [&](std::FILE* file) { ReadStoredTips(file, stored, StoredParts::TextsOnly); });
    if (stored.tips.size() != loaded.tips.size())
        std::abort();
    for (std::size_t i = 0; i < stored.tips.size(); ++i)
        if (DecodeTipText(stored.tips[i].text) != loaded.tips[i].text)
            std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    MsRandom random;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const TipsFileContent loaded = Read(bytes, random);
    ExpectSameTextsKeptScrambled(bytes, loaded);
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
