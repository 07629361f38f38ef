#include "recorder/dialogs/password/CSetNewPasswordDlg.h"

#include "common/PasswordScramble.h"
#include "platform/Messages.h"
#include "recorder/data/RecorderSettings.h"
#include "recorder/dialogs/password/PasswordBoxes.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

CSetNewPasswordDlg::CSetNewPasswordDlg(Messages& messages, RecorderSettings& settings,
                                       MsRandom& random, QWidget* parent)
    : QDialog(parent), m_messages(messages), m_settings(settings), m_random(random)
{
    setWindowTitle(QStringLiteral("Set New Password"));
    auto* form = new QFormLayout;
    m_newBox = PasswordBoxes::Add(form, QStringLiteral("&New password:"), "newPassword");
    m_verifyBox =
        PasswordBoxes::Add(form, QStringLiteral("&Verify new password:"), "verifyPassword");
    QPushButton* ok =
        PasswordBoxes::Finish(this, form, QStringLiteral("&OK"), QStringLiteral("&Cancel"));
    connect(ok, &QPushButton::clicked, this, &CSetNewPasswordDlg::onOk);
}

void CSetNewPasswordDlg::exchangeData(bool fromControls)
{
    if (fromControls) {
        newPassword = m_newBox->text();
        verifyPassword = m_verifyBox->text();
    } else {
        m_newBox->setText(newPassword);
        m_verifyBox->setText(verifyPassword);
    }
}

void CSetNewPasswordDlg::onOk()
{
    exchangeData(true);
    const char* problem = nullptr;
    if (PasswordBoxes::TooShort(verifyPassword) || PasswordBoxes::TooShort(newPassword))
        problem = "Password must be at least 3 characters.";
    else if (verifyPassword != newPassword)
        problem = "The password and verification are not identical.\n\n"
                  "Please re-enter new password and verification.";
    if (problem) {
        m_messages.warn(QString::fromLatin1(problem));
        newPassword.clear();
        verifyPassword.clear();
        exchangeData(false);
        m_newBox->setFocus(); // retyping starts in the first box again
        return;
    }
    m_settings.write(Key::Password, ScramblePassword(PasswordBoxes::Bytes(newPassword), m_random));
    accept();
}
