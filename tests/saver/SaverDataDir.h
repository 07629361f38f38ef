#pragma once

#include "common/Clock.h"
#include "common/DataFilePath.h"
#include "common/MsRandom.h"
#include "common/TipsFormat.h"
#include "saver/SaverContent.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>
#include <memory>

// Test data for the saver: settings of each mode and a data directory to load from.

inline constexpr std::time_t kNoon = 1'796'731'200; // a fixed moment for the clock and seeds

inline SaverSettings AllTips()
{
    return {true, false, 1, true, 10, true, false};
}
inline SaverSettings OneTip(std::uint32_t number)
{
    return {false, false, number, true, 10, true, false};
}
inline SaverSettings ClockMode()
{
    return {false, true, 1, true, 1, false, true};
}

// A data directory holding what a case asks for.
struct DataDir {
    TempDir dir;
    FixedClock clock{kNoon};
    MsRandom random;

    void settings(const SaverSettings& s) { settingsBytes(FormatSaverSettings(s)); }
    void settingsBytes(const std::string& bytes)
    {
        WriteBytes(DataFilePath(dir.path(), kSaverSettingsFileName), bytes);
    }
    void tips(int count)
    {
        std::vector<std::string> texts;
        for (int i = 1; i <= count; ++i)
            texts.push_back("Tip text " + std::to_string(i) + "\n");
        tipTexts(texts);
    }
    void tipTexts(const std::vector<std::string>& texts)
    {
        std::vector<Tip> tips;
        for (const std::string& text : texts)
            tips.push_back({"12/07/26\n", "General\n", text});
        ASSERT_TRUE(SaveTipsFile(DataFilePath(dir.path(), kTipsFileName), tips, random, clock).ok);
    }
    std::shared_ptr<const SaverContent> load()
    {
        return std::make_shared<const SaverContent>(LoadSaverContent(dir.path(), random, clock));
    }
};
