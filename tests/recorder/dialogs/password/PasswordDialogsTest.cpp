#include "common/MsRandom.h"
#include "common/PasswordScramble.h"
#include "recorder/data/RecorderSettings.h"
#include "recorder/dialogs/password/CChangePasswordDlg.h"
#include "recorder/dialogs/password/CPasswordDlg.h"
#include "recorder/dialogs/password/CSetNewPasswordDlg.h"
#include "tests/recorder/dialogs/DialogTestKit.h"
#include "tests/support/TempDir.h"

#include <QApplication>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

const QString kInvalid = QStringLiteral("Invalid password.");
const QString kTooShort = QStringLiteral("Password must be at least 3 characters.");
const QString kSetMismatch = QStringLiteral(
    "The password and verification are not identical.\n\nPlease re-enter new password and "
    "verification.");
const QString kChangeMismatch = QStringLiteral(
    "The new password and verification are not identical.\n\nPlease re-enter new password and "
    "verification.");
const QString kInvalidOld =
    QStringLiteral("Invalid old password.\n\nPlease re-enter old password.");

void Type(QDialog& dialog, const char* box, const QString& text)
{
    Child<QLineEdit>(dialog, box)->setText(text);
}

QString Text(QDialog& dialog, const char* box)
{
    return Child<QLineEdit>(dialog, box)->text();
}

// OK pressed while the cursor is in the last box, as Enter there does.
void PressOk(QDialog& dialog)
{
    dialog.findChildren<QLineEdit*>().constLast()->setFocus();
    QTest::mouseClick(Child<QPushButton>(dialog, "okButton"), Qt::LeftButton);
}

struct SettingsRig {
    TempDir dir;
    RecorderSettings settings{QString::fromStdString(dir.file("Pennivel.conf"))};
    ScriptedMessages messages;
    MsRandom random;

    void storePassword(const std::string& password)
    {
        settings.write(Key::Password, ScramblePassword(password, random));
    }
    std::string storedPassword()
    {
        return UnscramblePassword(settings.read(Key::Password), random);
    }
};

} // namespace

TEST(PasswordDlg, AcceptedOnTheFirstSecondOrThirdTry)
{
    for (int wrongTries = 0; wrongTries < 3; ++wrongTries) {
        ScriptedMessages messages;
        CPasswordDlg dialog(messages, "Secret");
        ShowAndActivate(dialog);
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Pennivel"));
        EXPECT_EQ(Child<QLineEdit>(dialog, "password")->echoMode(), QLineEdit::Password);
        for (int i = 0; i < wrongTries; ++i) {
            Type(dialog, "password", QStringLiteral("secret")); // letter case counts
            PressOk(dialog);
            EXPECT_TRUE(Text(dialog, "password").isEmpty());
        }
        Type(dialog, "password", QStringLiteral("Secret"));
        PressOk(dialog);
        EXPECT_EQ(dialog.result(), QDialog::Accepted) << wrongTries;
        EXPECT_EQ(messages.texts(), QStringList(wrongTries, kInvalid));
        EXPECT_EQ(dialog.attempts, wrongTries);
    }
}

TEST(PasswordDlg, ThirdFailureDeniesAccess)
{
    ScriptedMessages messages;
    CPasswordDlg dialog(messages, "ab");
    ShowAndActivate(dialog);
    for (int i = 0; i < 3; ++i) {
        Type(dialog, "password", QStringLiteral("ab")); // right, but two characters
        PressOk(dialog);
    }
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(messages.texts(), (QStringList{kInvalid, kInvalid, kInvalid, "Access denied!"}));
    EXPECT_EQ(messages.shown()[0].icon, MessageIcon::Warning);
    EXPECT_EQ(messages.shown()[3].icon, MessageIcon::Stop);
}

TEST(PasswordDlg, ExitEndsWithoutAQuestion)
{
    ScriptedMessages messages;
    CPasswordDlg dialog(messages, "abc");
    ShowAndActivate(dialog);
    Type(dialog, "password", QStringLiteral("abc"));
    QTest::mouseClick(Child<QPushButton>(dialog, "cancelButton"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_EQ(Child<QPushButton>(dialog, "cancelButton")->text(), QStringLiteral("E&xit"));
}

TEST(SetNewPasswordDlg, RulesAndWhatIsStored)
{
    struct Case {
        QString newPassword, verify;
        QStringList messages;
        bool accepted;
    };
    const Case cases[] = {
        {"abc", "abc", {}, true},
        {"ab", "ab", {kTooShort}, false},
        {"abc", "ab", {kTooShort}, false},
        {"abcd", "abce", {kSetMismatch}, false},
        {"Abcd", "abcd", {kSetMismatch}, false},
        {"caf\u00e9", "caf\u00e9", {}, true},
    };
    for (const Case& c : cases) {
        SettingsRig rig;
        CSetNewPasswordDlg dialog(rig.messages, rig.settings, rig.random);
        ShowAndActivate(dialog);
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Set New Password"));
        Type(dialog, "newPassword", c.newPassword);
        Type(dialog, "verifyPassword", c.verify);
        PressOk(dialog);
        EXPECT_EQ(rig.messages.texts(), c.messages) << c.newPassword.toStdString();
        EXPECT_EQ(dialog.result() == QDialog::Accepted, c.accepted);
        if (c.accepted) {
            EXPECT_EQ(rig.storedPassword(), c.newPassword.toStdString());
        } else {
            EXPECT_EQ(rig.storedPassword(), "");
            EXPECT_TRUE(Text(dialog, "newPassword").isEmpty());
            EXPECT_TRUE(Text(dialog, "verifyPassword").isEmpty());
            EXPECT_EQ(QApplication::focusWidget(), Child<QLineEdit>(dialog, "newPassword"));
        }
    }
}

TEST(ChangePasswordDlg, RulesAndWhichBoxesAreEmptied)
{
    struct Case {
        QString oldPassword, newPassword, verify;
        QStringList messages;
        bool oldKept, newKept;
        const char* retypeIn; // the box with the cursor after the message
    };
    const Case cases[] = {
        {"Se", "fresh", "fresh", {kTooShort}, false, false, "oldPassword"},
        {"Secret", "fr", "fr", {kTooShort}, true, false, "newPassword"},
        {"secret", "fresh", "fresh", {kInvalidOld}, false, true, "oldPassword"},
        {"Secret", "fresh", "freSh", {kChangeMismatch}, true, false, "newPassword"},
    };
    for (const Case& c : cases) {
        SettingsRig rig;
        rig.storePassword("Secret");
        CChangePasswordDlg dialog(rig.messages, rig.settings, rig.random);
        ShowAndActivate(dialog);
        Type(dialog, "oldPassword", c.oldPassword);
        Type(dialog, "newPassword", c.newPassword);
        Type(dialog, "verifyPassword", c.verify);
        PressOk(dialog);
        EXPECT_EQ(rig.messages.texts(), c.messages) << c.oldPassword.toStdString();
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(Text(dialog, "oldPassword").isEmpty(), !c.oldKept);
        EXPECT_EQ(Text(dialog, "newPassword").isEmpty(), !c.newKept);
        EXPECT_EQ(Text(dialog, "verifyPassword").isEmpty(), !c.newKept);
        EXPECT_EQ(QApplication::focusWidget(), Child<QLineEdit>(dialog, c.retypeIn));
        EXPECT_EQ(rig.storedPassword(), "Secret");
    }
}

TEST(ChangePasswordDlg, StoresTheNewPassword)
{
    SettingsRig rig;
    rig.storePassword("Secret");
    CChangePasswordDlg dialog(rig.messages, rig.settings, rig.random);
    ShowAndActivate(dialog);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Change Password"));
    Type(dialog, "oldPassword", "Secret");
    Type(dialog, "newPassword", "xyz");
    Type(dialog, "verifyPassword", "xyz");
    PressOk(dialog);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(rig.messages.texts().isEmpty());
    EXPECT_EQ(rig.storedPassword(), "xyz");
}

TEST(ChangePasswordDlg, NoPasswordStoredMatchesNothing)
{
    SettingsRig rig; // "Passwrd" missing: the lone seed character, the empty password
    CChangePasswordDlg dialog(rig.messages, rig.settings, rig.random);
    ShowAndActivate(dialog);
    Type(dialog, "oldPassword", "abc");
    Type(dialog, "newPassword", "xyz");
    Type(dialog, "verifyPassword", "xyz");
    PressOk(dialog);
    EXPECT_EQ(rig.messages.texts(), QStringList{kInvalidOld});
}
