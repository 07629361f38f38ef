#include "recorder/dialogs/format/CFontSizeDlg.h"
#include "tests/support/ScriptedMessages.h"

#include <QFontInfo>
#include <QGroupBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

LogFont Stored(int height)
{
    LogFont font;
    font.lfHeight = height;
    font.setFaceName(QStringLiteral("Times New Roman"));
    return font;
}

// Opens the dialog, picks `points`, presses OK once and reports whether it closed.
bool OkWithSize(CFontSizeDlg& dialog, int points)
{
    bool closed = false;
    QTimer::singleShot(0, &dialog, [&] {
        QFont font = dialog.currentFont();
        font.setPointSize(points);
        dialog.setCurrentFont(font);
        dialog.accept();
        closed = !dialog.isVisible();
        if (!closed)
            dialog.reject();
    });
    dialog.exec();
    return closed;
}

} // namespace

TEST(FontSizeDialog, OpensOnTheStoredFontInPoints)
{
    ScriptedMessages messages;
    CFontSizeDlg dialog(Stored(-64), 96, messages);
    EXPECT_EQ(dialog.currentFont().pointSize(), 48);
    EXPECT_EQ(dialog.currentFont().family(),
              QFontInfo(QFont(QStringLiteral("Times New Roman"))).family());
    for (QGroupBox* box : dialog.findChildren<QGroupBox*>())
        EXPECT_FALSE(box->title() == QFontDialog::tr("Effects") && !box->isHidden());
}

TEST(FontSizeDialog, KeepsSizesBetweenEightAndSeventyTwoPoints)
{
    for (int points : {7, 73}) {
        ScriptedMessages messages;
        CFontSizeDlg dialog(Stored(-64), 96, messages);
        EXPECT_FALSE(OkWithSize(dialog, points)) << points;
        EXPECT_EQ(messages.texts(), QStringList{"Size must be between 8 and 72 points."});
    }
    for (int points : {8, 72}) {
        ScriptedMessages messages;
        CFontSizeDlg dialog(Stored(-64), 96, messages);
        EXPECT_TRUE(OkWithSize(dialog, points)) << points;
        EXPECT_TRUE(messages.texts().isEmpty());
        EXPECT_EQ(dialog.logFont.lfHeight, points == 8 ? -11 : -96); // rounded, not cut
    }
}
