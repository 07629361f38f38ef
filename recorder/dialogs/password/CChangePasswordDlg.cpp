#include "recorder/dialogs/password/CChangePasswordDlg.h"

#include "common/PasswordScramble.h"
#include "platform/Messages.h"
#include "recorder/data/RecorderSettings.h"
#include "recorder/dialogs/password/PasswordBoxes.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

CChangePasswordDlg::CChangePasswordDlg(Messages& messages, RecorderSettings& settings,
                                       MsRandom& random, QWidget* parent)
    : QDialog(parent), m_messages(messages), m_settings(settings), m_random(random)
{
    setWindowTitle(QStringLiteral("Change Password"));
    auto* form = new QFormLayout;
    m_oldBox = PasswordBoxes::Add(form, QStringLiteral("O&ld password:"), "oldPassword");
    m_newBox = PasswordBoxes::Add(form, QStringLiteral("&New password:"), "newPassword");
    m_verifyBox =
        PasswordBoxes::Add(form, QStringLiteral("&Verify new password:"), "verifyPassword");
    QPushButton* ok =
        PasswordBoxes::Finish(this, form, QStringLiteral("&OK"), QStringLiteral("&Cancel"));
    connect(ok, &QPushButton::clicked, this, &CChangePasswordDlg::onOk);
}

void CChangePasswordDlg::exchangeData(bool fromControls)
{
    if (fromControls) {
        oldPassword = m_oldBox->text();
        newPassword = m_newBox->text();
        verifyPassword = m_verifyBox->text();
    } else {
        m_oldBox->setText(oldPassword);
        m_newBox->setText(newPassword);
        m_verifyBox->setText(verifyPassword);
    }
}

void CChangePasswordDlg::refuse(const char* message, bool clearOld, bool clearNew)
{
    m_messages.warn(QString::fromLatin1(message));
    if (clearOld)
        oldPassword.clear();
    if (clearNew) {
        newPassword.clear();
        verifyPassword.clear();
    }
    exchangeData(false);
    // Retyping starts in the first emptied box, not in the Verify box where OK was pressed.
    (clearOld ? m_oldBox : m_newBox)->setFocus();
}

void CChangePasswordDlg::onOk()
{
    static constexpr const char* kTooShort = "Password must be at least 3 characters.";
    exchangeData(true);
    if (PasswordBoxes::TooShort(oldPassword))
        return refuse(kTooShort, true, true);
    if (PasswordBoxes::TooShort(verifyPassword) || PasswordBoxes::TooShort(newPassword))
        return refuse(kTooShort, false, true);
    if (UnscramblePassword(m_settings.read(Key::Password), m_random) !=
        PasswordBoxes::Bytes(oldPassword))
        return refuse("Invalid old password.\n\nPlease re-enter old password.", true, false);
    if (verifyPassword != newPassword)
        return refuse("The new password and verification are not identical.\n\n"
                      "Please re-enter new password and verification.",
                      false, true);
    m_settings.write(Key::Password, ScramblePassword(PasswordBoxes::Bytes(newPassword), m_random));
    accept();
}
