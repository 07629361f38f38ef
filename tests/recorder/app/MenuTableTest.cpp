#include "recorder/app/CMainFrame.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStyleOptionMenuItem>
#include <QToolBar>
#include <gtest/gtest.h>

// The recorder's menus as the user must meet them, written out independently of the
// command table: "Menu > Submenu > Caption | prompt | tooltip", "Menu: ---" for a
// separator. The test walks the menu bar the frame built and compares line by line.
namespace {

const QStringList kExpectedMenus = {
    "&Tip > &Next\tCtrl+N | Shows the next Tip | Next",
    "&Tip > &Previous\tCtrl+P | Shows the previous Tip | Previous",
    "&Tip > &Latest | Shows the last Tip entered into the database | Last",
    "&Tip > At &Closing | Shows the Tip viewed before closing the application (at the previous "
    "session) | ",
    "&Tip: ---",
    "&Tip > &Add\tCtrl+A | Adds a Tip to the database | Add",
    "&Tip > &Edit\tCtrl+E | Edits a Tip | Edit",
    "&Tip: ---",
    "&Tip > Pass&word > &Activate | Activates password protection | Password",
    "&Tip > Pass&word > &Change | Changes password | ",
    "&Tip: ---",
    "&Tip > At Ran&dom | Displays Tips randomly | Display at Random",
    "&Tip > In &Order | Displays Tips in the same order they were entered | Display in Order",
    "&Tip: ---",
    "&Tip > &Save\tCtrl+S | Saves your Tips to the hard-drive and sends new Tips to the Screen "
    "Saver | ",
    "&Tip > Save Tips As &Text | Saves Tips to a text file | Save As Text",
    "&Tip: ---",
    "&Tip > P&rint > &Print Now | Prints a Tip | Print",
    "&Tip > P&rint > Print Pre&view | Previews a Tip before printing | Print/Preview",
    "&Tip > P&rint > Print &Setup | Changes the printer and printing options | Print Setup",
    "&Tip: ---",
    "&Tip > E&xit | Quits the application | Exit",
    "S&creen > &Enable Click | Enables screen clicking | Screen Clicking",
    "S&creen: ---",
    "S&creen > &Saver | Changes settings for the Screen Saver | Screen Saver",
    "&Search > &Category | Searches Tips by category | Search Categories",
    "&Search > &Date | Searches Tips by date | Search Dates",
    "&Search > &Number | Searches Tips by number | Search Number",
    "&Search > &Text | Searches Tips by text | Search Text",
    "&Search: ---",
    "&Search > &Show All | Shows all Tips in the database | Show All",
    "&Info > &Tip # and Date | Displays Tip number and date | ",
    "&Info > &Number of Tips | Displays total number of Tips in database | ",
    "&Info > &Report | Displays a report on Tips by category and date | Report",
    "F&ormat > &Alignment > &Center | Aligns Tip center | Center Alignment",
    "F&ormat > &Alignment > &Left | Aligns Tip left | Left Alignment",
    "F&ormat > &Font > &Size,Style,Type | Changes font size, style, and type | Font Attributes",
    "F&ormat > &Font > &Color | Changes font color | Font Color",
    "F&ormat > &Background | Changes background color | Background Color",
    "F&ormat: ---",
    "F&ormat > &Show Tip # on Screen | Displays the Tip number on the screen | Tip #",
    "&Delete > &Current Tip | Deletes the current Tip from the database | Delete Tip",
    "&Delete > &Tip # | Deletes a specific Tip number from the database | ",
    "&Delete > &All Tips | Deletes all Tips from the database | ",
    "&Delete: ---",
    "&Delete > &Screen | Clears the application window (without deleting Tips from the database) "
    "| Clear Window",
    "&View > &Toolbar | Shows or hides the toolbar | Toggle ToolBar",
    "&View > &Status Bar | Shows or hides the status bar | Toggle StatusBar",
    "&Help > &Help Topics | Lists Help topics | Help Topics",
    "&Help: ---",
    "&Help > &About Pennivel | Displays program information, version number and copyright | "
    "About",
};

const QStringList kExpectedToolBar = {"Next",
                                      "Previous",
                                      "|",
                                      "Add",
                                      "Edit",
                                      "|",
                                      "Tip #",
                                      "|",
                                      "Screen Saver",
                                      "|",
                                      "Search Text",
                                      "Search Dates",
                                      "Search Number",
                                      "Search Categories",
                                      "|",
                                      "Show All",
                                      "Report",
                                      "|",
                                      "Center Alignment",
                                      "Left Alignment",
                                      "Background Color",
                                      "Font Color",
                                      "Font Attributes",
                                      "|",
                                      "Delete Tip",
                                      "Clear Window",
                                      "|",
                                      "Screen Clicking",
                                      "|",
                                      "Password"};

// Items without a tooltip of their own carry Qt's derived one; only listed ones count.
const QStringList kWithoutTooltip = {"At &Closing",     "&Change",         "&Save\tCtrl+S",
                                     "&Tip # and Date", "&Number of Tips", "&Tip #",
                                     "&All Tips"};

void Walk(QMenu* menu, const QString& path, QStringList& lines)
{
    for (QAction* action : menu->actions()) {
        if (action->isSeparator()) {
            lines << path + ": ---";
        } else if (action->menu()) {
            Walk(action->menu(), path + " > " + action->text(), lines);
        } else {
            // The menu draws the key label from the first shortcut, after a tab.
            const QString shown =
                action->shortcut().isEmpty()
                    ? action->text()
                    : action->text() + u'\t' + action->shortcut().toString();
            const QString tooltip = kWithoutTooltip.contains(shown) ? QString() : action->toolTip();
            lines << QStringLiteral("%1 > %2 | %3 | %4")
                         .arg(path, shown, action->statusTip(), tooltip);
        }
    }
}

// Separators of a submenu's parent are reported against the top menu.
QStringList TopLevelSeparators(QStringList lines)
{
    for (QString& line : lines)
        if (line.endsWith(": ---"))
            line = line.section(u' ', 0, 0).remove(u':') + ": ---";
    return lines;
}

} // namespace

TEST(MainFrame, MenusMatchTheMenuTable)
{
    CMainFrame frame;
    QStringList lines;
    for (QAction* top : frame.menuBar()->actions())
        Walk(top->menu(), top->text(), lines);
    const QStringList got = TopLevelSeparators(lines);
    for (int i = 0; i < std::max(got.size(), kExpectedMenus.size()); ++i) {
        EXPECT_EQ(got.value(i).toStdString(), kExpectedMenus.value(i).toStdString()) << i;
    }
}

TEST(MainFrame, ToolBarMatchesTheButtonOrder)
{
    CMainFrame frame;
    QStringList got;
    for (QAction* action : frame.toolBar()->actions()) {
        got << (action->isSeparator() ? QStringLiteral("|") : action->toolTip());
        if (!action->isSeparator()) {
            EXPECT_FALSE(action->icon().isNull()) << action->toolTip().toStdString();
        }
    }
    EXPECT_EQ(got, kExpectedToolBar);
}

TEST(MainFrame, AcceleratorsReachTheirCommands)
{
    CMainFrame frame;
    const auto keys = [&](CommandId id) {
        QStringList list;
        for (const QKeySequence& key : frame.action(id)->shortcuts())
            list << key.toString(QKeySequence::PortableText);
        return list;
    };
    EXPECT_EQ(keys(CommandId::Next), (QStringList{"Ctrl+N", "Ctrl+Tab", "Right", "Up"}));
    EXPECT_EQ(keys(CommandId::Previous), (QStringList{"Ctrl+P", "Shift+Tab", "Left", "Down"}));
    EXPECT_EQ(keys(CommandId::Add), QStringList{"Ctrl+A"});
    EXPECT_EQ(keys(CommandId::Edit), QStringList{"Ctrl+E"});
    EXPECT_EQ(keys(CommandId::Save), QStringList{"Ctrl+S"});
    EXPECT_EQ(keys(CommandId::Latest), QStringList{});
}

namespace {

// Hands out the options a menu gives its style to draw an item.
class InspectedMenu : public QMenu {
  public:
    QStyleOptionMenuItem optionsFor(QAction* action) const
    {
        QStyleOptionMenuItem options;
        initStyleOption(&options, action);
        return options;
    }
};

} // namespace

// Beside an icon the styles draw a checked item as a faint frame only.
TEST(MainFrame, MarkedMenuItemsGetAClearMark)
{
    CMainFrame frame;
    const InspectedMenu menu;
    for (const CommandId id :
         {CommandId::EnableClick, CommandId::ShowTipNumber, CommandId::PasswordActivate,
          CommandId::AlignCenter, CommandId::AlignLeft, CommandId::AtRandom, CommandId::InOrder}) {
        const QStyleOptionMenuItem options = menu.optionsFor(frame.action(id));
        EXPECT_NE(options.checkType, QStyleOptionMenuItem::NotCheckable) << int(id);
        EXPECT_TRUE(options.icon.isNull()) << int(id);
    }
}
