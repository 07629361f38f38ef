// The recorder, the saver and the tool read a Tips file each its own way (the recorder
// decodes its first Tip before the others, the saver decodes a text only when shown);
// on every file, damaged ones too, they must hold the same Tips, and the recorder's
// start must draw from the generator exactly as a start that decoded everything first.
#include "common/RandomTipPick.h"
#include "common/Scramble.h"
#include "common/TipsFormat.h"
#include "recorder/app/CMainFrame.h"
#include "recorder/view/TipDisplay.h"
#include "recorder/view/TipNavigator.h"
#include "saver/SaverContent.h"
#include "tests/recorder/app/RecorderRig.h"
#include "tests/support/TipPrinting.h"
#include "tool/TipsFileAccess.h"

#include <QWidget>
#include <cstdlib>
#include <gtest/gtest.h>
#include <sstream>
#include <thread>

namespace {

std::string Record(const std::string& date, const std::string& category,
                   const std::string& storedText)
{
    return std::string(kTipsMarker) + "\n" + date + category + storedText;
}

std::string Scrambled(const std::string& text)
{
    MsRandom random;
    random.seed(static_cast<std::uint32_t>(text.size()));
    return ScrambleText(text, random);
}

std::string Whole(int count)
{
    std::string bytes;
    for (int n = 1; n <= count; ++n)
        bytes += Record("12/0" + std::to_string(n % 10) + "/26\n", "General\n",
                        Scrambled("Tip " + std::to_string(n) + ",\r\nsecond line\n"));
    return bytes;
}

struct FileCase {
    const char* name;
    std::string bytes;
    int toolStatus = 0; // the tool refuses a file that does not open with a record
};

class TipsReadersAgree : public ::testing::TestWithParam<FileCase> {};

struct NoDisplay : TipDisplay {
    void ShowCurrentTip() override {}
    void emptyStatusTexts() override {}
    void showListing(std::string, std::string, std::string) override {}
    void showAllTips() override {}
};

} // namespace

TEST_P(TipsReadersAgree, TipForTip)
{
    RecorderRig rig;
    rig.install();
    WriteBytes(rig.tipsPath(), GetParam().bytes);
    // The window is made on this thread while the file is read on another.
    std::vector<std::thread::id> preparedOn;
    rig.whileTipsAreRead = [&] {
        preparedOn.push_back(std::this_thread::get_id());
        QWidget window;
    };
    ASSERT_TRUE(rig.start());
    EXPECT_EQ(preparedOn, std::vector{std::this_thread::get_id()});
    const std::vector<Tip> recorder = rig.app.m_Tips.tips();
    EXPECT_TRUE(rig.messages.shown().empty()) << rig.messages.texts().join("|").toStdString();
    ASSERT_FALSE(recorder.empty());
    EXPECT_EQ(rig.doc().m_CurrentText, recorder[rig.doc().m_CurrentTip - 1].text);

    const char* before = std::getenv("PENNIVEL_DIR");
    const std::string restore = before ? before : "";
    ::setenv("PENNIVEL_DIR", rig.dataDir.c_str(), 1);
    TipList tool;
    std::ostringstream err;
    EXPECT_EQ(ReadDataTips(tool, false, err), GetParam().toolStatus) << err.str();
    ::setenv("PENNIVEL_DIR", restore.c_str(), 1);
    if (GetParam().toolStatus == 0) {
        EXPECT_EQ(tool.toTips(), recorder);
    }

    MsRandom random;
    const SaverContent saver = LoadSaverContent(rig.dataDir, random, rig.clock);
    ASSERT_EQ(saver.tipCount(), static_cast<int>(recorder.size()));
    for (std::size_t n = 1; n <= recorder.size(); ++n)
        EXPECT_EQ(saver.tipText(n), recorder[n - 1].text) << "Tip " << n;
}

INSTANTIATE_TEST_SUITE_P(
    Files, TipsReadersAgree,
    ::testing::Values(
        FileCase{"Whole", Whole(40)},
        FileCase{"StrayTextBeforeTheFirstRecord", "left over\n" + Whole(3), 65},
        FileCase{"TextCutShortAtTheEnd",
                 Whole(2) + Record("d\n", "c\n", Scrambled("cut here\n").substr(0, 6))},
        FileCase{"RecordCutBeforeItsText", Whole(2) + std::string(kTipsMarker) + "\n01/01/26\n"},
        FileCase{"TextsLongerThanAPiece",
                 Whole(1) + Record("d\n", "c\n", Scrambled(std::string(2500, 'q') + "\n")) +
                     Whole(1)},
        FileCase{"MarkerInsideALongLine",
                 Record("d\n", "c\n", std::string(1200, 'x') + std::string(kTipsMarker) + "\n") +
                     "d2\nc2\n" + Scrambled("after\n") + Whole(1)},
        FileCase{"DateLongerThanAPiece",
                 Record(std::string(1500, '1') + "\n", "c\n", Scrambled("t\n")) + Whole(1)},
        FileCase{"EmptyTextLine", Whole(1) + Record("d\n", "c\n", "\n") + Whole(1)},
        FileCase{"NulAndLoneCarriageReturn",
                 Whole(1) + Record("d\n", "c\n", Scrambled(std::string("a\0b\rc\n", 6)))}),
    [](const ::testing::TestParamInfo<FileCase>& info) { return info.param.name; });

TEST(RecorderStart, DrawsAsAStartThatDecodedEverythingFirst)
{
    RecorderRig rig;
    rig.install();
    WriteBytes(rig.tipsPath(), Whole(500));
    rig.whileTipsAreRead = [] { CMainFrame frame; };
    ASSERT_TRUE(rig.start());
    CBrevantDoc& doc = rig.doc();
    doc.m_RandomOrder = true;
    NoDisplay display;
    TipNavigator navigator(doc, rig.app.m_Tips, rig.messages, rig.random, display);
    std::vector<int> shown{doc.m_CurrentTip};
    for (int step = 0; step < 5; ++step) {
        navigator.ShowNextTip();
        shown.push_back(doc.m_CurrentTip);
    }

    // The same start with every text decoded by the shared generator before the pick.
    MsRandom random;
    LoadedTips loaded;
    ASSERT_TRUE(LoadTipsFile(rig.tipsPath(), loaded, random, rig.clock));
    const TipCollection tips(std::move(loaded.tips));
    NavigationState state;
    state.startWith(PickRandomTip(random, tips.count()));
    state.m_RandomOrder = true;
    ScriptedMessages messages;
    TipNavigator model(state, tips, messages, random, display);
    std::vector<int> expected{state.m_CurrentTip};
    for (int step = 0; step < 5; ++step) {
        model.ShowNextTip();
        expected.push_back(state.m_CurrentTip);
    }
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(rig.random.next(), random.next());
}
