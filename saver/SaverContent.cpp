#include "saver/SaverContent.h"

#include "common/Clock.h"
#include "common/DataFilePath.h"
#include "common/FirstLineCheck.h"
#include "common/MsRandom.h"
#include "common/TipsFormat.h"

namespace {

void LoadTipTexts(const std::string& dataDir, SaverContent& content, MsRandom& random,
                  const Clock& clock)
{
    const std::string path = DataFilePath(dataDir, kTipsFileName);
    const std::uint32_t check = CheckTipsFile(path);
    if (check != kCheckFound && check != kCheckForeign)
        return;
    if (!ReadStoredTips(path, content.storedTips, StoredParts::TextsOnly))
        return;
    TimeSeed(random, clock);
}

} // namespace

std::string SaverContent::tipText(std::size_t number) const
{
    if (number == 0)
        return storedTips.strayText;
    return DecodeTipText(storedTips.tips[number - 1].text);
}

SaverContent LoadSaverContent(const std::string& dataDir, MsRandom& random, const Clock& clock)
{
    TimeSeed(random, clock);
    SaverContent content;
    content.dataDir = dataDir;
    content.settings = ReadSaverSettingsByPairs(SaverSettingsPath(dataDir)).settings;
    if (!content.settings.clock && !dataDir.empty())
        LoadTipTexts(dataDir, content, random, clock);
    return content;
}
