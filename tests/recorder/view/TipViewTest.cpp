#include "recorder/view/DisplayText.h"
#include "tests/recorder/view/ViewRig.h"

#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QString Pane(ViewRig& rig, const char* name)
{
    return rig.frame.findChild<QLabel*>(name)->text();
}

} // namespace

TEST(TipView, FirstPaintFillsTheStatusBar)
{
    ViewRig rig;
    rig.grab();
    EXPECT_FALSE(rig.doc().m_bFirstPaint);
    EXPECT_EQ(Pane(rig, "statusNumber"), "Tip #" + QString::number(rig.doc().m_CurrentTip));
    EXPECT_EQ(Pane(rig, "statusDate").toStdString() + "\n", rig.doc().m_CurrentDate);
    EXPECT_EQ(rig.frame.m_StatusCategory.toStdString(), rig.doc().m_CurrentCategory);
    EXPECT_TRUE(rig.recorder.messages.texts().isEmpty());
    EXPECT_GE(rig.view->m_fScreenPxPerMm, 0.0f);
}

TEST(TipView, NoSavedTipsIsSaidOnceAndLeavesThePanesEmpty)
{
    ViewRig rig;
    rig.doc().app().m_Tips.removeAll();
    rig.doc().m_CurrentText.clear();
    rig.frame.setStatusTexts("x", "y", "z");
    rig.grab();
    QApplication::processEvents();
    rig.view->viewport()->repaint();
    rig.grab();
    QApplication::processEvents();
    EXPECT_EQ(rig.recorder.messages.texts(), QStringList{"There are no saved Tips."});
    EXPECT_EQ(rig.recorder.messages.shown().front().icon, MessageIcon::Information);
    EXPECT_TRUE(Pane(rig, "statusNumber").isEmpty());
    EXPECT_TRUE(Pane(rig, "statusDate").isEmpty());
    EXPECT_TRUE(Pane(rig, "statusCategory").isEmpty());
}

TEST(TipView, ShowCurrentTipLoadsTheTipAndTheStatusTexts)
{
    ViewRig rig;
    rig.grab();
    rig.doc().m_CurrentTip = 2;
    rig.view->ShowCurrentTip();
    const Tip& tip = rig.doc().app().m_Tips.get(2);
    EXPECT_EQ(rig.doc().m_CurrentText, tip.text);
    EXPECT_EQ(rig.doc().m_CurrentDate, tip.date);
    EXPECT_EQ(rig.doc().m_CurrentCategory, tip.category);
    EXPECT_EQ(rig.view->m_strTipLabel, "Tip #2");
    EXPECT_EQ(rig.frame.m_StatusNumber, "Tip #2");
    EXPECT_EQ(rig.frame.m_StatusDate.toStdString(), tip.date);
    rig.grab();
    EXPECT_TRUE(ComposeDisplayText(rig.doc(), false).ends_with(tip.text));
}

TEST(TipView, ClearScreenLeavesOnlyTheBackground)
{
    ViewRig rig;
    rig.doc().m_bClearEnabled = true;
    rig.frame.refreshCommandStates();
    ASSERT_TRUE(rig.frame.action(CommandId::ClearScreen)->isEnabled());
    rig.frame.action(CommandId::ClearScreen)->trigger();
    EXPECT_TRUE(rig.doc().m_bScreenCleared);
    EXPECT_TRUE(rig.doc().m_bOnlyTipNoticeOff);
    EXPECT_FALSE(rig.doc().m_bTipCommandsEnabled);
    EXPECT_TRUE(rig.doc().m_CurrentText.empty());
    EXPECT_FALSE(rig.frame.action(CommandId::ClearScreen)->isEnabled());
    EXPECT_TRUE(Pane(rig, "statusNumber").isEmpty());
    const QImage image = rig.grab();
    EXPECT_TRUE(InkedLines(image, 10).empty());
    EXPECT_EQ(image.pixelColor(image.width() / 2, image.height() / 2), QColor(255, 128, 192));
}

TEST(TipView, LeftClickAsksForTheNextTipOnlyWhenClickingIsEnabled)
{
    ViewRig rig;
    int next = 0;
    rig.frame.commands().setHandler(CommandId::Next, [&] { ++next; });
    rig.frame.commands().setStateRule(CommandId::Previous, [&] { return CommandState{next > 0}; });
    rig.frame.refreshCommandStates();
    QTest::mouseClick(rig.view->viewport(), Qt::LeftButton, {}, QPoint(50, 50));
    QTest::mouseClick(rig.view->viewport(), Qt::RightButton, {}, QPoint(50, 50));
    EXPECT_EQ(next, 1);
    EXPECT_TRUE(rig.frame.action(CommandId::Previous)->isEnabled()); // states follow a click
    rig.frame.action(CommandId::EnableClick)->trigger();
    QTest::mouseClick(rig.view->viewport(), Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_EQ(next, 1);
}

TEST(TipView, ListingEmptiesTheNumberPane)
{
    ViewRig rig;
    rig.grab();
    rig.view->showListing("\nTip #1\nA\n", "01/01/26\n", "");
    EXPECT_EQ(rig.doc().m_CurrentText, "\nTip #1\nA\n");
    EXPECT_TRUE(Pane(rig, "statusNumber").isEmpty());
    EXPECT_EQ(Pane(rig, "statusDate"), "01/01/26");
}
