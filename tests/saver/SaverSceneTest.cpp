#include "saver/SaverScene.h"
#include "saver/ClockText.h"
#include "tests/saver/SaverDataDir.h"

#include <gtest/gtest.h>
#include <optional>

namespace {

struct TextCase {
    const char* name;
    std::optional<SaverSettings> settings; // nothing: no settings file
    int tips;                              // -1: no Tips file
    std::string text;
    int fontHeight;
};

class SaverText : public testing::TestWithParam<TextCase> {};

TEST_P(SaverText, ChosenForTheFirstPaint)
{
    const TextCase& c = GetParam();
    DataDir data;
    if (c.settings)
        data.settings(*c.settings);
    if (c.tips >= 0)
        data.tips(c.tips);
    SaverScene scene(data.load(), data.random, data.clock);
    const SaverFrame frame = scene.nextFrame();
    if (c.text == "<clock>") {
        EXPECT_EQ(frame.text, ClockText(kNoon));
    } else {
        EXPECT_EQ(frame.text, c.text);
    }
    EXPECT_EQ(frame.fontHeight, c.fontHeight);
}

const TextCase kTexts[] = {
    {"SettingsMissingAtClockHeight", std::nullopt, 3, kSettingsMissingText, 72},
    {"NoTipsFileStaysBlack", AllTips(), -1, "", 48},
    {"NoTipsFileClockBlackToo", ClockMode(), -1, "", 72},
    {"ClockShowsTheTime", ClockMode(), 3, "<clock>", 72},
    {"ChosenTip", OneTip(2), 3, "Tip text 2\n", 48},
    {"ChosenTipBeyondTheCount", OneTip(5), 3, kTipNotFoundText, 48},
    {"TipZeroShowsWhatCameBeforeTheFirstRecord", OneTip(0), 3, "", 48},
    {"OneTipOfNone", OneTip(1), 0, kNoTipsText, 48},
    {"AllTipsOfNone", AllTips(), 0, kNoTipsText, 48},
    {"AllTipsOfOne", AllTips(), 1, "Tip text 1\n", 48},
};

INSTANTIATE_TEST_SUITE_P(Table, SaverText, testing::ValuesIn(kTexts),
                         [](const auto& info) { return info.param.name; });

// Lines kept short of the full file: the saver reads key and value lines in pairs.
std::string FirstLines(const SaverSettings& settings, int lines)
{
    const std::string all = FormatSaverSettings(settings);
    std::size_t end = 0;
    for (int i = 0; i < lines; ++i)
        end = all.find('\n', end) + 1;
    return all.substr(0, end);
}

TEST(SaverContent, ShortFilesAndTheSecondsShortcut)
{
    DataDir data;
    SaverSettings tipsEveryFiveMinutes = OneTip(3);
    tipsEveryFiveMinutes.timer = 5;
    tipsEveryFiveMinutes.seconds = false;
    tipsEveryFiveMinutes.minutes = true;
    data.settingsBytes(FirstLines(tipsEveryFiveMinutes, 13));
    EXPECT_EQ(data.load()->settings, SaverDefaults());

    SaverSettings tipsEverySecond = OneTip(3);
    tipsEverySecond.timer = 1;
    data.settingsBytes(FirstLines(tipsEverySecond, 12));
    EXPECT_EQ(data.load()->settings, tipsEverySecond);
}

} // namespace
