#include "recorder/app/CMainFrame.h"
#include "recorder/view/CBrevantView.h"
#include "recorder/view/WindowPlacement.h"
#include "tests/recorder/view/ViewRig.h"

#include <QAccessible>
#include <QAccessibleTextInterface>
#include <QAction>
#include <QClipboard>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

namespace {

QString AccessibleText(QWidget* view)
{
    QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(view);
    if (!shown || !shown->textInterface())
        return QStringLiteral("<no text interface>");
    return shown->textInterface()->text(0, shown->textInterface()->characterCount());
}

// What a screen reader reads and what Ctrl+C copies, for each kind of display.
TEST(TipViewAccess, ReaderAndClipboardGetWhatTheWindowShows)
{
    const struct {
        const char* name;
        std::string text;
        bool numberLine;
        QString read;
        QString copied;
    } rows[] = {
        {"Tip", "Be kind.\r\nAlways.\n", false, "Be kind.\nAlways.\n", "Be kind.\nAlways.\n"},
        {"TipWithNumberLine", "Be kind.\n", true, "Tip #3\nBe kind.\n", "Be kind.\n"},
        {"Cleared", "", true, "", ""},
    };
    ViewRig rig;
    QApplication::setActiveWindow(&rig.frame);
    for (const auto& row : rows) {
        rig.doc().m_InfoAlwaysTip = row.numberLine;
        rig.showText(row.text, 3);
        EXPECT_EQ(AccessibleText(rig.view), row.read) << row.name;
        QApplication::clipboard()->clear();
        rig.view->setFocus();
        QTest::keyClick(rig.view, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QApplication::clipboard()->text(), row.copied) << row.name;
    }
    QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(rig.view);
    EXPECT_EQ(shown->text(QAccessible::Name), "Tip");
    EXPECT_TRUE(shown->state().readOnly);
}

TEST(TipViewAccess, F10OpensTheFirstMenu)
{
    ViewRig rig;
    QApplication::setActiveWindow(&rig.frame);
    rig.view->setFocus();
    QTest::keyClick(rig.view, Qt::Key_F10);
    ASSERT_NE(rig.frame.menuBar()->activeAction(), nullptr);
    EXPECT_EQ(rig.frame.menuBar()->activeAction(), rig.frame.menuBar()->actions().value(0));
}

TEST(WindowPlacement, SizePlaceAndBarsComeBack)
{
    ViewRig rig;
    rig.frame.setGeometry(120, 90, 700, 500);
    rig.frame.toolBar()->hide();
    SaveWindowPlacement(rig.frame, rig.settings());

    CMainFrame again;
    RestoreWindowPlacement(again, rig.settings());
    again.show();
    EXPECT_EQ(again.geometry(), rig.frame.geometry());
    EXPECT_TRUE(again.toolBar()->isHidden());
    EXPECT_FALSE(again.statusBar()->isHidden());

    // A screen that is gone: the window comes back onto one that is there.
    rig.frame.setGeometry(50000, 40000, 700, 500);
    SaveWindowPlacement(rig.frame, rig.settings());
    CMainFrame moved;
    RestoreWindowPlacement(moved, rig.settings());
    EXPECT_TRUE(moved.screen()->availableGeometry().intersects(moved.geometry()));
}

} // namespace
