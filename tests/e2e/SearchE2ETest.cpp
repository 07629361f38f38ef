#include "recorder/data/RecorderSettings.h"
#include "tests/e2e/RecorderProcess.h"
#include "tests/e2e/XSession.h"

#include <gtest/gtest.h>

namespace {

const QString kMainWindow = QStringLiteral("Pennivel - Tips");
const QString kSearch = QStringLiteral("Search Tips");
const QString kEdit = QStringLiteral("Edit a Tip");

// A user searches the three default Tips by text from the keyboard: a word only the
// third Tip holds shows that Tip; a word two Tips hold shows both as one listing.
TEST(SearchE2E, OneHitShowsTheTipTwoHitsShowTheListing)
{
    XSession x;
    if (!x.isRunning())
        GTEST_SKIP() << "Xvfb could not be started";
    RecorderHome home;
    auto recorder = home.startRecorder({"QT_QPA_PLATFORM=xcb", "DISPLAY=" + x.display()});
    ASSERT_TRUE(x.focusWindow(kMainWindow)) << x.serverState().toStdString();

    const auto searchText = [&](const QString& words) {
        x.keys({"alt+s", "t"});
        ASSERT_TRUE(x.focusWindow(kSearch));
        x.type(words); // the last search is selected, so typing replaces it
        x.keys({"Return"});
        EXPECT_TRUE(WaitFor([&] { return !x.windowExists(kSearch); }));
        EXPECT_TRUE(x.focusWindow(kMainWindow));
    };

    searchText("RISKS"); // "...take risks and trust..." is Tip 3 alone
    // A single Tip is on display: the commands on it work.
    x.keys({"ctrl+e"});
    ASSERT_TRUE(x.focusWindow(kEdit)) << "no Tip on display after a single hit";
    x.keys({"Escape"});
    EXPECT_TRUE(WaitFor([&] { return !x.windowExists(kEdit); }));
    ASSERT_TRUE(x.focusWindow(kMainWindow));

    searchText("the"); // Tips 1 and 2
    // A listing is no Tip: Edit stays closed.
    x.keys({"ctrl+e"});
    EXPECT_FALSE(WaitFor([&] { return x.windowExists(kEdit); }, 1500))
        << "Edit opened on a listing";

    x.keys({"alt+t", "x"});
    ASSERT_TRUE(recorder->waitForFinished(20000));
    EXPECT_EQ(recorder->exitCode(), 0);

    RecorderSettings settings(home.settingsPath());
    EXPECT_EQ(settings.read(Key::TipAtClosing), 3) << "the single hit became the current Tip";
    EXPECT_EQ(settings.read(Key::SearchTexts[0]), "the");
    EXPECT_EQ(settings.read(Key::SearchTexts[1]), "RISKS");
    EXPECT_EQ(settings.read(Key::SearchTexts[2]), "Love");
    EXPECT_EQ(settings.read(Key::SearchTexts[9]), "Friends");
}

} // namespace
