#include "recorder/dialogs/tip/QtTipDialogs.h"
#include "recorder/data/RecorderSettings.h"
#include "tests/recorder/dialogs/DialogTestKit.h"
#include "tests/support/TempDir.h"

#include <QApplication>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Runs `steps` on the modal dialog once its own event loop is running.
void WhenModalOpens(const std::function<void(QDialog&)>& steps)
{
    QTimer::singleShot(0, [steps] {
        ASSERT_TRUE(WaitUntil([] { return QApplication::activeModalWidget() != nullptr; }));
        steps(*qobject_cast<QDialog*>(QApplication::activeModalWidget()));
    });
}

class QtTipDialogsTest : public ::testing::Test {
  protected:
    ScriptedMessages messages;
    FixedClock clock{LocalNoon(2026, 12, 7)};
    TempDir dir;
    RecorderSettings settings{QString::fromStdString(dir.file("Pennivel.conf"))};
    QtTipDialogs dialogs{nullptr, messages, clock, settings};
    TipCollection tips = TipsWithCategories({"Work"});
};

TEST_F(QtTipDialogsTest, AddHandsBackWhatWasAddedBeforeEsc)
{
    settings.write(Key::DateFormat, 2);
    WhenModalOpens([](QDialog& dialog) {
        EXPECT_EQ(DateBox(dialog)->currentText(), "2026");
        DateBox(dialog)->setCurrentIndex(0);
        TypeInto(TextBox(dialog), "kept");
        Child<QPushButton>(dialog, "addButton")->click();
        TypeInto(TextBox(dialog), "dropped");
        PressKey(dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(dialogs.runAdd(tips.count(), tips),
              (std::vector<Tip>{{"12/07/26\n", "General\n", "kept\n"}}));
    EXPECT_EQ(settings.read(Key::DateFormat), 0);
}

TEST_F(QtTipDialogsTest, EditHandsBackOnlyASavedTip)
{
    const Tip shown{"01/02/09\n", "Work\n", "old\n"};
    WhenModalOpens([](QDialog& dialog) {
        TypeInto(TextBox(dialog), "new");
        PressKey(dialog, Qt::Key_Escape);
    });
    EXPECT_FALSE(dialogs.runEdit(1, shown, 1, tips).has_value());

    WhenModalOpens([](QDialog& dialog) {
        TypeInto(TextBox(dialog), "new");
        Child<QPushButton>(dialog, "saveButton")->click();
    });
    EXPECT_EQ(dialogs.runEdit(1, shown, 1, tips), (Tip{"01/02/09\n", "Work\n", "new\n"}));
}

TEST_F(QtTipDialogsTest, DeleteNumberHandsBackTheNumberOrNothing)
{
    WhenModalOpens([](QDialog& dialog) { PressKey(dialog, Qt::Key_Return); });
    EXPECT_EQ(dialogs.runDeleteNumber(5), 1);
    WhenModalOpens([](QDialog& dialog) { PressKey(dialog, Qt::Key_Escape); });
    EXPECT_FALSE(dialogs.runDeleteNumber(5).has_value());
}

} // namespace
