#include "recorder/commands/CommandTable.h"

#include <algorithm>
#include <array>

namespace {

using enum CommandMark;
using Id = CommandId;

constexpr const char* kTip = "&Tip";
constexpr const char* kScreen = "S&creen";
constexpr const char* kSearch = "&Search";
constexpr const char* kInfo = "&Info";
constexpr const char* kFormat = "F&ormat";
constexpr const char* kDelete = "&Delete";
constexpr const char* kView = "&View";
constexpr const char* kHelp = "&Help";

constexpr const char* kPassword = "Pass&word";
constexpr const char* kPrint = "P&rint";
constexpr const char* kAlignment = "&Alignment";
constexpr const char* kFont = "&Font";

constexpr CommandRow Separator(const char* menu)
{
    return CommandRow{menu,    nullptr, Id::None, nullptr, nullptr,
                      nullptr, nullptr, nullptr,  0,       None};
}

// clang-format off
constexpr std::array kRows{
    CommandRow{kTip, nullptr, Id::Next, "next", "&Next\tCtrl+N", "Shows the next Tip", "Next",
               "Ctrl+N;Ctrl+Tab;Right;Up", 11, None},
    CommandRow{kTip, nullptr, Id::Previous, "previous", "&Previous\tCtrl+P", "Shows the previous Tip",
               "Previous", "Ctrl+P;Shift+Tab;Left;Down", 12, None},
    CommandRow{kTip, nullptr, Id::Latest, "latest", "&Latest",
               "Shows the last Tip entered into the database", "Last", nullptr, 0, None},
    CommandRow{kTip, nullptr, Id::AtClosing, "atClosing", "At &Closing",
               "Shows the Tip viewed before closing the application (at the previous session)",
               nullptr, nullptr, 0, None},
    Separator(kTip),
    CommandRow{kTip, nullptr, Id::Add, "add", "&Add\tCtrl+A", "Adds a Tip to the database", "Add",
               "Ctrl+A", 21, None},
    CommandRow{kTip, nullptr, Id::Edit, "edit", "&Edit\tCtrl+E", "Edits a Tip", "Edit", "Ctrl+E", 22,
               None},
    Separator(kTip),
    CommandRow{kTip, kPassword, Id::PasswordActivate, "passwordActivate", "&Activate",
               "Activates password protection", "Password", nullptr, 101, Check},
    CommandRow{kTip, kPassword, Id::PasswordChange, "passwordChange", "&Change", "Changes password",
               nullptr, nullptr, 0, None},
    Separator(kTip),
    CommandRow{kTip, nullptr, Id::AtRandom, "atRandom", "At Ran&dom", "Displays Tips randomly",
               "Display at Random", nullptr, 0, Radio},
    CommandRow{kTip, nullptr, Id::InOrder, "inOrder", "In &Order",
               "Displays Tips in the same order they were entered", "Display in Order", nullptr, 0,
               Radio},
    Separator(kTip),
    CommandRow{kTip, nullptr, Id::Save, "save", "&Save\tCtrl+S",
               "Saves your Tips to the hard-drive and sends new Tips to the Screen Saver", nullptr,
               "Ctrl+S", 0, None},
    CommandRow{kTip, nullptr, Id::SaveAsText, "saveAsText", "Save Tips As &Text",
               "Saves Tips to a text file", "Save As Text", nullptr, 0, None},
    Separator(kTip),
    CommandRow{kTip, kPrint, Id::PrintNow, "printNow", "&Print Now", "Prints a Tip", "Print", nullptr,
               0, None},
    CommandRow{kTip, kPrint, Id::PrintPreview, "printPreview", "Print Pre&view",
               "Previews a Tip before printing", "Print/Preview", nullptr, 0, None},
    CommandRow{kTip, kPrint, Id::PrintSetup, "printSetup", "Print &Setup",
               "Changes the printer and printing options", "Print Setup", nullptr, 0, None},
    Separator(kTip),
    CommandRow{kTip, nullptr, Id::Exit, "exit", "E&xit", "Quits the application", "Exit", nullptr, 0,
               None},

    CommandRow{kScreen, nullptr, Id::EnableClick, "enableClick", "&Enable Click",
               "Enables screen clicking", "Screen Clicking", nullptr, 91, Check},
    Separator(kScreen),
    CommandRow{kScreen, nullptr, Id::Saver, "saver", "&Saver", "Changes settings for the Screen Saver",
               "Screen Saver", nullptr, 41, None},

    CommandRow{kSearch, nullptr, Id::SearchCategory, "searchCategory", "&Category",
               "Searches Tips by category", "Search Categories", nullptr, 54, None},
    CommandRow{kSearch, nullptr, Id::SearchDate, "searchDate", "&Date", "Searches Tips by date",
               "Search Dates", nullptr, 52, None},
    CommandRow{kSearch, nullptr, Id::SearchNumber, "searchNumber", "&Number",
               "Searches Tips by number", "Search Number", nullptr, 53, None},
    CommandRow{kSearch, nullptr, Id::SearchText, "searchText", "&Text", "Searches Tips by text",
               "Search Text", nullptr, 51, None},
    Separator(kSearch),
    CommandRow{kSearch, nullptr, Id::ShowAll, "showAll", "&Show All", "Shows all Tips in the database",
               "Show All", nullptr, 61, None},

    CommandRow{kInfo, nullptr, Id::TipNumberAndDate, "tipNumberAndDate", "&Tip # and Date",
               "Displays Tip number and date", nullptr, nullptr, 0, None},
    CommandRow{kInfo, nullptr, Id::NumberOfTips, "numberOfTips", "&Number of Tips",
               "Displays total number of Tips in database", nullptr, nullptr, 0, None},
    CommandRow{kInfo, nullptr, Id::Report, "report", "&Report",
               "Displays a report on Tips by category and date", "Report", nullptr, 62, None},

    CommandRow{kFormat, kAlignment, Id::AlignCenter, "alignCenter", "&Center", "Aligns Tip center",
               "Center Alignment", nullptr, 71, Radio},
    CommandRow{kFormat, kAlignment, Id::AlignLeft, "alignLeft", "&Left", "Aligns Tip left",
               "Left Alignment", nullptr, 72, Radio},
    CommandRow{kFormat, kFont, Id::Font, "font", "&Size,Style,Type",
               "Changes font size, style, and type", "Font Attributes", nullptr, 75, None},
    CommandRow{kFormat, kFont, Id::FontColor, "fontColor", "&Color", "Changes font color",
               "Font Color", nullptr, 74, None},
    CommandRow{kFormat, nullptr, Id::Background, "background", "&Background",
               "Changes background color", "Background Color", nullptr, 73, None},
    Separator(kFormat),
    CommandRow{kFormat, nullptr, Id::ShowTipNumber, "showTipNumber", "&Show Tip # on Screen",
               "Displays the Tip number on the screen", "Tip #", nullptr, 31, Check},

    CommandRow{kDelete, nullptr, Id::DeleteCurrent, "deleteCurrent", "&Current Tip",
               "Deletes the current Tip from the database", "Delete Tip", nullptr, 81, None},
    CommandRow{kDelete, nullptr, Id::DeleteNumber, "deleteNumber", "&Tip #",
               "Deletes a specific Tip number from the database", nullptr, nullptr, 0, None},
    CommandRow{kDelete, nullptr, Id::DeleteAll, "deleteAll", "&All Tips",
               "Deletes all Tips from the database", nullptr, nullptr, 0, None},
    Separator(kDelete),
    CommandRow{kDelete, nullptr, Id::ClearScreen, "clearScreen", "&Screen",
               "Clears the application window (without deleting Tips from the database)",
               "Clear Window", nullptr, 82, None},

    CommandRow{kView, nullptr, Id::ViewToolbar, "viewToolbar", "&Toolbar", "Shows or hides the toolbar",
               "Toggle ToolBar", nullptr, 0, Check},
    CommandRow{kView, nullptr, Id::ViewStatusBar, "viewStatusBar", "&Status Bar",
               "Shows or hides the status bar", "Toggle StatusBar", nullptr, 0, Check},

    CommandRow{kHelp, nullptr, Id::HelpTopics, "helpTopics", "&Help Topics", "Lists Help topics",
               "Help Topics", nullptr, 0, None},
    Separator(kHelp),
    CommandRow{kHelp, nullptr, Id::About, "about", "&About Pennivel",
               "Displays program information, version number and copyright", "About", nullptr, 0,
               None},
};
// clang-format on

} // namespace

std::span<const CommandRow> CommandTable()
{
    return kRows;
}

const CommandRow* FindCommand(CommandId id)
{
    if (id == CommandId::None)
        return nullptr;
    const auto found = std::find_if(kRows.begin(), kRows.end(),
                                    [id](const CommandRow& row) { return row.id == id; });
    return found == kRows.end() ? nullptr : &*found;
}
