#include "recorder/view/DisplayText.h"
#include "recorder/view/MainWindow.h"
#include "recorder/view/TipNavigator.h"
#include "tests/recorder/view/ViewRig.h"

#include <QScrollBar>
#include <QTest>
#include <QToolBar>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

struct KeyCase {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    bool next; // else Previous
};

// In Order on Tip 3 of 3, with the history 3, 1, 2, 3: Next goes on with 1, 2, 3 and
// Previous goes back through 2, 1, 3.
struct NavigationRig : ViewRig {
    NavigationRig()
    {
        grab();
        frame.action(CommandId::InOrder)->trigger();
        doc().startWith(3);
        for (int i = 0; i < 3; ++i)
            frame.action(CommandId::Next)->trigger();
    }
};

class NavigationKeys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(NavigationKeys, WorkWhicheverWidgetHasTheFocus)
{
    const KeyCase& c = GetParam();
    NavigationRig rig;
    ASSERT_EQ(rig.doc().m_CurrentTip, 3);
    ASSERT_TRUE(rig.frame.action(CommandId::Previous)->isEnabled());
    QWidget* targets[] = {rig.view->viewport(), rig.view->verticalScrollBar(), rig.frame.toolBar()};
    const std::vector<int> expected =
        c.next ? std::vector<int>{1, 2, 3} : std::vector<int>{2, 1, 3};
    std::vector<int> shown;
    for (QWidget* target : targets) {
        QTest::keyClick(target, c.key, c.modifiers);
        shown.push_back(rig.doc().m_CurrentTip);
    }
    EXPECT_EQ(shown, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, NavigationKeys,
    ::testing::Values(KeyCase{"CtrlN", Qt::Key_N, Qt::ControlModifier, true},
                      KeyCase{"CtrlTab", Qt::Key_Tab, Qt::ControlModifier, true},
                      KeyCase{"Right", Qt::Key_Right, Qt::NoModifier, true},
                      KeyCase{"Up", Qt::Key_Up, Qt::NoModifier, true},
                      KeyCase{"CtrlP", Qt::Key_P, Qt::ControlModifier, false},
                      KeyCase{"ShiftTab", Qt::Key_Backtab, Qt::ShiftModifier, false},
                      KeyCase{"Left", Qt::Key_Left, Qt::NoModifier, false},
                      KeyCase{"Down", Qt::Key_Down, Qt::NoModifier, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NavigationView, ClickShowsTheNextTipUnlessClickingIsDisabled)
{
    ViewRig rig;
    rig.grab();
    ASSERT_FALSE(rig.frame.action(CommandId::Previous)->isEnabled());
    const int first = rig.doc().m_CurrentTip;

    QTest::mouseClick(rig.view->viewport(), Qt::LeftButton);
    const int second = rig.doc().m_CurrentTip;
    EXPECT_NE(second, first);
    EXPECT_TRUE(rig.frame.action(CommandId::Previous)->isEnabled()) << "its keys work now";

    rig.doc().m_DisableScreen = true;
    QTest::mouseClick(rig.view->viewport(), Qt::LeftButton);
    rig.doc().m_DisableScreen = false;
    QTest::mouseClick(rig.view->viewport(), Qt::RightButton);
    EXPECT_EQ(rig.doc().m_CurrentTip, second);
    EXPECT_EQ(rig.doc().m_HistoryCount, 2);
}

TEST(NavigationView, ShowAllPutsTheListingInTheWindowAndThePanesEmpty)
{
    NavigationRig rig;
    rig.frame.action(CommandId::ShowAll)->trigger();
    const TipCollection& tips = rig.doc().app().m_Tips;
    std::string expected;
    for (int n = 1; n <= tips.count(); ++n)
        expected += (n == 1 ? "Tip #" : "\nTip #") + std::to_string(n) + "\n" + tips.get(n).date +
                    tips.get(n).text;
    EXPECT_EQ(rig.doc().m_ListedTips, tips.count());
    EXPECT_TRUE(rig.doc().m_CurrentText.empty()) << "the listing is read from the collection";
    EXPECT_EQ(ComposeDisplayText(rig.doc(), false), "\n" + expected)
        << "no Tip-number line above a listing";
    EXPECT_TRUE(rig.frame.m_StatusNumber.isEmpty());
    EXPECT_FALSE(rig.doc().m_bTipCommandsEnabled);
    rig.grab();
    EXPECT_EQ(rig.view->shownLines().first, "");
}

TEST(NavigationView, ALongListingScrollsByPageAndWheelWhileArrowsNavigate)
{
    NavigationRig rig;
    for (int n = 0; n < 20; ++n)
        rig.doc().app().m_Tips.append({"d\n", "c\n", "A Tip among many\n"});
    rig.frame.action(CommandId::ShowAll)->trigger();
    rig.grab();
    QScrollBar* bar = rig.view->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);

    QTest::keyClick(rig.view->viewport(), Qt::Key_PageDown);
    EXPECT_EQ(bar->value(), bar->pageStep());
    QWheelEvent wheel(QPointF(10, 10), rig.view->mapToGlobal(QPointF(10, 10)), {}, {0, -120},
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(rig.view->viewport(), &wheel);
    EXPECT_GT(bar->value(), bar->pageStep());
    QTest::keyClick(rig.view->viewport(), Qt::Key_PageUp);
    EXPECT_LT(bar->value(), bar->pageStep());

    QTest::keyClick(rig.view->viewport(), Qt::Key_Right);
    EXPECT_EQ(rig.doc().m_CurrentTip, 4) << "Next, not a scroll";
    EXPECT_FALSE(rig.doc().m_bScreenCleared);
}

TEST(NavigationView, AtClosingShowsTheStoredTip)
{
    ViewRig rig;
    rig.settings().write(Key::TipAtClosing, 2);
    rig.doc().m_TipClosing = true;
    rig.frame.refreshCommandStates();
    ASSERT_TRUE(rig.frame.action(CommandId::AtClosing)->isEnabled());
    rig.frame.action(CommandId::AtClosing)->trigger();
    EXPECT_EQ(rig.doc().m_CurrentTip, 2);
    EXPECT_EQ(rig.frame.m_StatusNumber, "Tip #2");
}

TEST(NavigationView, DeletingTheShownTipMakesTheNextMoveDrawAnew)
{
    RecorderRig recorder;
    recorder.install();
    ASSERT_TRUE(recorder.start());
    const std::unique_ptr<QWidget> window = CreateMainWindow(recorder.doc());
    auto* frame = qobject_cast<CMainFrame*>(window.get());
    auto* view = frame->findChild<CBrevantView*>();
    ASSERT_NE(view, nullptr);
    recorder.doc().m_bTipCommandsEnabled = true;
    frame->refreshCommandStates();

    recorder.messages.queue(MessageAnswer::Yes);
    frame->action(CommandId::DeleteCurrent)->trigger();
    ASSERT_EQ(recorder.doc().m_TipCount(), 2);
    EXPECT_TRUE(view->navigator().m_bForceNewPick);
    frame->action(CommandId::Next)->trigger();
    EXPECT_FALSE(view->navigator().m_bForceNewPick);
}

} // namespace
