#include "tests/recorder/view/ViewRig.h"

#include "common/TipReport.h"
#include "recorder/app/CAboutDlg.h"
#include "recorder/app/HelpWindow.h"
#include "recorder/dialogs/format/CColorDlg.h"
#include "recorder/dialogs/format/CColorListBox.h"
#include "recorder/dialogs/format/CFontSizeDlg.h"
#include "recorder/dialogs/saver/CSaverSettingsDlg.h"
#include "recorder/dialogs/search/CSearchCategoryDlg.h"
#include "recorder/dialogs/search/CSearchDateDlg.h"
#include "recorder/dialogs/search/CSearchNumberDlg.h"
#include "recorder/dialogs/search/CSearchTextDlg.h"
#include "recorder/dialogs/tip/CAddTipDlg.h"
#include "recorder/dialogs/tip/CDeleteTipNumberDlg.h"
#include "recorder/dialogs/tip/CEditTipDlg.h"
#include "recorder/view/TipNavigator.h"

#include "recorder/dialogs/report/CReportDlg.h"
#include "recorder/dialogs/report/QtReportDialogs.h"
#include "recorder/view/PrintCommands.h"
#include "recorder/view/QtPrintDialogs.h"
#include "tests/support/TempDir.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

// Not a check: writes pictures of the main window and the dialogs to the directory named
// by PENNIVEL_SCREENSHOTS, for a person to look at. Skipped when it is not set.
namespace {

QString ShotDir()
{
    return qEnvironmentVariable("PENNIVEL_SCREENSHOTS");
}

void Save(QWidget& widget, const char* name)
{
    widget.show();
    // Twice: a paint can bring in a scroll bar, which lays the window out again.
    widget.grab();
    QApplication::processEvents();
    widget.grab().save(QDir(ShotDir()).filePath(QString::fromLatin1(name) + ".png"));
}

} // namespace

TEST(Screenshots, MainWindowAndDialogs)
{
    if (ShotDir().isEmpty())
        GTEST_SKIP() << "set PENNIVEL_SCREENSHOTS to a directory to take them";
    QDir().mkpath(ShotDir());
    {
        ViewRig rig;
        Save(rig.frame, "main-default");
        rig.frame.action(CommandId::ShowTipNumber)->trigger();
        Save(rig.frame, "main-no-tip-number");
        rig.frame.action(CommandId::ShowTipNumber)->trigger();
        std::string text;
        for (int i = 0; i < 12; ++i)
            text += "A long Tip goes on and on, so that the window has to scroll to show "
                    "all of it.\r\n";
        rig.doc().app().m_Tips.append(Tip{"12/07/26\n", "Patience\n", text});
        rig.doc().m_CurrentTip = rig.doc().app().m_Tips.count();
        rig.view->ShowCurrentTip();
        Save(rig.frame, "main-long-tip");
        rig.frame.action(CommandId::AlignLeft)->trigger();
        Save(rig.frame, "main-left-aligned");
        for (int n = 0; n < 5'000; ++n)
            rig.doc().app().m_Tips.append(Tip{"12/08/26\n", "Many\n", "One of very many.\n"});
        rig.frame.action(CommandId::ShowAll)->trigger();
        rig.frame.show();
        QTest::keyClick(rig.view->viewport(), Qt::Key_End);
        Save(rig.frame, "main-listing-end");

        CFontColorDlg fontColor;
        Save(fontColor, "dialog-font-color");
        CBackgroundColorDlg background;
        background.list()->setCurrentRow(background.list()->rowOf(ColorRef{12615935}));
        Save(background, "dialog-background-color");
        CFontSizeDlg font(*rig.doc().m_pLogFont, 96, rig.recorder.messages);
        Save(font, "dialog-font");
        CAboutDlg about;
        Save(about, "dialog-about");
        CContact contact;
        Save(contact, "dialog-contact");
        HelpWindow help;
        Save(help, "window-help");

        const TipCollection& tips = rig.doc().app().m_Tips;
        Messages& messages = rig.recorder.messages;
        CAddTipDlg add(nullptr, tips.count(), tips, {messages, rig.recorder.clock, 0, {}});
        Save(add, "dialog-add-tip");
        CEditTipDlg edit(nullptr, 1, tips.get(1), tips.count(), tips, messages, rig.recorder.clock);
        Save(edit, "dialog-edit-tip");
        CDeleteTipNumberDlg deleteNumber(nullptr, tips.count(), messages);
        Save(deleteNumber, "dialog-delete-tip-number");
        const std::pair<SaverSettings, const char*> saverModes[] = {
            {SaverSettings{}, "dialog-saver-all-tips"},
            {{false, false, 2, false, 10, false, true}, "dialog-saver-tip-number"},
            {{false, true, 1, true, 5, false, false}, "dialog-saver-clock"}};
        for (const auto& [settings, name] : saverModes) {
            TempDir dir;
            WriteBytes(dir.file(kSaverSettingsFileName), FormatSaverSettings(settings));
            CSaverSettingsDlg saver(nullptr, tips.count(), dir.path(), messages);
            Save(saver, name);
        }

        CSearchCategoryDlg searchCategory(nullptr, tips.count(), tips, messages);
        Save(searchCategory, "dialog-search-category");
        CSearchDateDlg searchDate(nullptr, tips.count(), tips, messages);
        Save(searchDate, "dialog-search-date");
        CSearchTextDlg searchText(nullptr, tips.count(), tips, messages,
                                  rig.doc().app().m_SearchWords);
        Save(searchText, "dialog-search-text");
        CSearchNumberDlg searchNumber(nullptr, tips.count(), messages);
        Save(searchNumber, "dialog-search-number");
        const SearchResult found = SearchByWords(tips.tips(), SearchField::Text, {"the"}, true);
        rig.view->navigator().ShowSearchResult({0, found.resultText, {}, {}});
        Save(rig.frame, "main-search-result");

        // The toolbar icons at twice their size, as a high-resolution screen shows them.
        QImage icons(32 * 24, 32, QImage::Format_ARGB32);
        icons.fill(Qt::white);
        QPainter painter(&icons);
        int x = 0;
        for (QAction* action : rig.frame.toolBar()->actions())
            if (!action->isSeparator()) {
                painter.drawPixmap(x, 0, action->icon().pixmap(QSize(32, 32)));
                x += 32;
            }
        painter.end();
        icons.save(QDir(ShotDir()).filePath(QStringLiteral("toolbar-icons-2x.png")));
    }
}

namespace {

// Shows the real preview window of the page instead of running it, and pictures it.
class PicturedPreview : public PrintDialogs {
  public:
    bool runPrintSetup(QPrinter&) override { return false; }
    bool runPrintDialog(QPrinter&) override { return false; }
    void runPreview(QPrinter& printer, const std::function<void(QPrinter&)>& paint) override
    {
        const auto dialog = MakePrintPreviewDialog(printer, nullptr, paint);
        dialog->resize(700, 900);
        Save(*dialog, "window-print-preview");
    }
};

} // namespace

TEST(Screenshots, ReportSaveAsTextAndPrinting)
{
    if (ShotDir().isEmpty())
        GTEST_SKIP() << "set PENNIVEL_SCREENSHOTS to a directory to take them";
    QDir().mkpath(ShotDir());
    ViewRig rig;
    rig.frame.runCommand(CommandId::Next);
    CReportDlg report(nullptr, BuildReport(rig.doc().app().m_Tips.tips()));
    Save(report, "dialog-report");
    TempDir folder;
    Save(*MakeTextFileDialog(nullptr, QString::fromStdString(folder.path())),
         "dialog-save-as-text");
    PrintCommands printing(rig.doc(), rig.recorder.messages, std::make_unique<PicturedPreview>(),
                           {[] { return 3.0f; }, [] {}});
    Save(*MakePrintDialog(printing.printer(), nullptr, true), "dialog-print-setup");
    printing.PrintPreview();
}
