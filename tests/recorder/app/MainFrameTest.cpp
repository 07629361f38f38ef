#include "recorder/app/CAboutDlg.h"
#include "recorder/app/CMainFrame.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QWhatsThis>
#include <gtest/gtest.h>

namespace {

struct KeyCase {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    CommandId command;
};

void PrintTo(const KeyCase& c, std::ostream* os)
{
    *os << c.name;
}

class MainFrameKeys : public ::testing::TestWithParam<KeyCase> {};

} // namespace

TEST_P(MainFrameKeys, RunTheirCommandWhereverTheFocusIs)
{
    CMainFrame frame;
    auto* focus = new QPushButton(&frame);
    frame.setCentralWidget(focus);
    int runs = 0;
    frame.commands().setHandler(GetParam().command, [&] { ++runs; });
    frame.show();
    QApplication::setActiveWindow(&frame);
    focus->setFocus();
    QTest::keyClick(focus, GetParam().key, GetParam().modifiers);
    EXPECT_EQ(runs, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, MainFrameKeys,
    ::testing::Values(KeyCase{"CtrlN", Qt::Key_N, Qt::ControlModifier, CommandId::Next},
                      KeyCase{"CtrlTab", Qt::Key_Tab, Qt::ControlModifier, CommandId::Next},
                      KeyCase{"Right", Qt::Key_Right, Qt::NoModifier, CommandId::Next},
                      KeyCase{"Up", Qt::Key_Up, Qt::NoModifier, CommandId::Next},
                      KeyCase{"CtrlP", Qt::Key_P, Qt::ControlModifier, CommandId::Previous},
                      KeyCase{"ShiftTab", Qt::Key_Backtab, Qt::ShiftModifier, CommandId::Previous},
                      KeyCase{"Left", Qt::Key_Left, Qt::NoModifier, CommandId::Previous},
                      KeyCase{"Down", Qt::Key_Down, Qt::NoModifier, CommandId::Previous},
                      KeyCase{"CtrlA", Qt::Key_A, Qt::ControlModifier, CommandId::Add},
                      KeyCase{"CtrlE", Qt::Key_E, Qt::ControlModifier, CommandId::Edit},
                      KeyCase{"CtrlS", Qt::Key_S, Qt::ControlModifier, CommandId::Save}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MainFrame, CaptionAndStatusPanes)
{
    CMainFrame frame;
    EXPECT_EQ(frame.windowTitle(), "Pennivel - Tips");
    auto* number = frame.findChild<QLabel*>("statusNumber");
    auto* date = frame.findChild<QLabel*>("statusDate");
    auto* category = frame.findChild<QLabel*>("statusCategory");
    ASSERT_TRUE(number && date && category);
    EXPECT_GT(number->width(), date->fontMetrics().horizontalAdvance("Tip# 000") - 1);
    EXPECT_GT(category->width(), category->fontMetrics().horizontalAdvance("MMMMM") - 1);

    frame.setStatusTexts("Tip #7", "12/05/26\n", "A category far longer than five M\n");
    EXPECT_EQ(frame.m_StatusDate, "12/05/26\n");
    EXPECT_EQ(date->text(), "12/05/26");
    const int before = category->width();
    frame.show();
    EXPECT_EQ(category->width(), before); // a long category is cut, the pane keeps its size
    const int numberBefore = number->width();
    frame.setStatusTexts("Tip #4309817", {}, {});
    EXPECT_GE(number->width(), number->fontMetrics().horizontalAdvance("Tip #4309817"));
    frame.setStatusTexts("Tip #7", {}, {});
    EXPECT_GT(number->width(), numberBefore); // and does not jump back at every Tip
    frame.setStatusTexts({}, {}, {});
    EXPECT_TRUE(number->text().isEmpty() && date->text().isEmpty() && category->text().isEmpty());
}

TEST(MainFrame, MenuStatesComeFromTheRegistry)
{
    CMainFrame frame;
    bool cleared = false;
    frame.commands().setStateRule(CommandId::ClearScreen, [&] { return CommandState{cleared}; });
    frame.commands().setStateRule(CommandId::AlignLeft, [] { return CommandState{true, true}; });
    frame.refreshCommandStates();
    EXPECT_FALSE(frame.action(CommandId::ClearScreen)->isEnabled());
    EXPECT_TRUE(frame.action(CommandId::AlignLeft)->isChecked());
    EXPECT_FALSE(frame.action(CommandId::AlignCenter)->isChecked());
    EXPECT_TRUE(frame.action(CommandId::Latest)->isEnabled()); // nobody attached: enabled no-op
    cleared = true;
    frame.action(CommandId::Latest)->trigger(); // every command run refreshes the states
    EXPECT_TRUE(frame.action(CommandId::ClearScreen)->isEnabled());
}

TEST(MainFrame, ViewCommandsToggleToolbarAndStatusBar)
{
    CMainFrame frame;
    frame.show();
    EXPECT_TRUE(frame.action(CommandId::ViewToolbar)->isChecked());
    frame.action(CommandId::ViewToolbar)->trigger();
    EXPECT_FALSE(frame.toolBar()->isVisible());
    EXPECT_FALSE(frame.action(CommandId::ViewToolbar)->isChecked());
    frame.action(CommandId::ViewStatusBar)->trigger();
    EXPECT_FALSE(frame.statusBar()->isVisible());
    EXPECT_FALSE(frame.action(CommandId::ViewStatusBar)->isChecked());
    frame.action(CommandId::ViewStatusBar)->trigger();
    EXPECT_TRUE(frame.statusBar()->isVisible());
}

TEST(MainFrame, HelpTopicsShowsTheBundledPage)
{
    CMainFrame frame;
    frame.action(CommandId::HelpTopics)->trigger();
    auto* help = frame.findChild<QWidget*>("helpWindow");
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    auto* browser = help->findChild<QWidget*>("helpBrowser");
    ASSERT_NE(browser, nullptr);
    EXPECT_TRUE(browser->property("plainText").toString().contains("Tip"))
        << "help page not loaded";
}

TEST(AboutBox, ShowsVersionAndOpensTheContactDetails)
{
    CAboutDlg about;
    EXPECT_EQ(about.windowTitle(), "About Pennivel");
    EXPECT_EQ(about.findChild<QLabel*>("versionLine")->text(), "Pennivel Version 1.1");
    EXPECT_FALSE(about.findChild<QLabel*>("legalLine")->text().isEmpty());
    QString contactTitle;
    QTimer::singleShot(0, [&] {
        if (auto* contact = about.findChild<QDialog*>("contactDialog")) {
            contactTitle = contact->windowTitle();
            contact->findChild<QPushButton*>("okButton")->click();
        }
    });
    about.findChild<QPushButton*>("contactButton")->click();
    EXPECT_EQ(contactTitle, "Contact Information");
    EXPECT_EQ(about.findChild<QPushButton*>("contactButton")->text(), "&Contact Info");
}

TEST(MainFrame, HighlightedCommandShowsItsPromptInTheMessagePane)
{
    CMainFrame frame;
    frame.show();
    frame.action(CommandId::Background)->showStatusText(&frame);
    EXPECT_EQ(frame.statusBar()->currentMessage(), "Changes background color");
}

TEST(MainFrame, HelpKeysOpenThePageOrAskWhatIsClicked)
{
    CMainFrame frame;
    frame.show();
    QApplication::setActiveWindow(&frame);
    QTest::keyClick(&frame, Qt::Key_F1);
    auto* help = frame.findChild<QWidget*>("helpWindow");
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    help->close();
    QApplication::setActiveWindow(&frame);
    QTest::keyClick(&frame, Qt::Key_F1, Qt::ShiftModifier);
    EXPECT_TRUE(QWhatsThis::inWhatsThisMode());
    QWhatsThis::leaveWhatsThisMode();
}

namespace {

// The largest difference in lightness between an icon's pixels and the toolbar behind it.
int LargestContrast(const QIcon& icon, QColor behind)
{
    QImage drawn(16, 16, QImage::Format_ARGB32);
    drawn.fill(behind);
    QPainter painter(&drawn);
    icon.paint(&painter, drawn.rect());
    painter.end();
    int largest = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            largest = std::max(largest, std::abs(qGray(drawn.pixel(x, y)) - qGray(behind.rgb())));
    return largest;
}

// Every toolbar icon keeps lines that stand out from a light and from a dark toolbar.
TEST(MainFrame, ToolbarIconsStayVisibleOnLightAndDarkToolbars)
{
    const QPalette before = QApplication::palette();
    const struct {
        const char* name;
        QColor window, text;
    } schemes[] = {{"light", QColor(239, 239, 239), QColor(0, 0, 0)},
                   {"dark", QColor(42, 46, 50), QColor(252, 252, 252)}};
    CMainFrame frame;
    for (const auto& scheme : schemes) {
        QPalette palette = before;
        palette.setColor(QPalette::Window, scheme.window);
        palette.setColor(QPalette::WindowText, scheme.text);
        QApplication::setPalette(palette);
        for (QAction* action : frame.toolBar()->actions()) {
            if (action->isSeparator())
                continue;
            EXPECT_GE(LargestContrast(action->icon(), scheme.window), 150)
                << scheme.name << " " << action->objectName().toStdString();
        }
    }
    QApplication::setPalette(before);
}

} // namespace
