#include "recorder/dialogs/password/PasswordDialogs.h"

#include "common/PasswordScramble.h"
#include "recorder/dialogs/password/CChangePasswordDlg.h"
#include "recorder/dialogs/password/CPasswordDlg.h"
#include "recorder/dialogs/password/CSetNewPasswordDlg.h"

bool QtPasswordDialogs::askStartupPassword(const std::string& storedPassword)
{
    CPasswordDlg dialog(m_messages, UnscramblePassword(storedPassword, m_random));
    return dialog.exec() == QDialog::Accepted;
}

bool QtPasswordDialogs::setNewPassword()
{
    CSetNewPasswordDlg dialog(m_messages, m_settings, m_random, m_parent);
    return dialog.exec() == QDialog::Accepted;
}

bool QtPasswordDialogs::changePassword()
{
    CChangePasswordDlg dialog(m_messages, m_settings, m_random, m_parent);
    return dialog.exec() == QDialog::Accepted;
}
