#include "recorder/dialogs/password/CPasswordDlg.h"

#include "platform/Messages.h"
#include "recorder/dialogs/password/PasswordBoxes.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

CPasswordDlg::CPasswordDlg(Messages& messages, std::string expectedPassword, QWidget* parent)
    : QDialog(parent), m_messages(messages), m_expected(std::move(expectedPassword))
{
    setWindowTitle(QStringLiteral("Pennivel"));
    auto* form = new QFormLayout;
    m_passwordBox = PasswordBoxes::Add(form, QStringLiteral("&Password:"), "password");
    QPushButton* ok =
        PasswordBoxes::Finish(this, form, QStringLiteral("&OK"), QStringLiteral("E&xit"));
    connect(ok, &QPushButton::clicked, this, &CPasswordDlg::onOk);
}

void CPasswordDlg::exchangeData(bool fromControls)
{
    if (fromControls)
        password = m_passwordBox->text();
    else
        m_passwordBox->setText(password);
}

void CPasswordDlg::onOk()
{
    exchangeData(true);
    if (!PasswordBoxes::TooShort(password) && PasswordBoxes::Bytes(password) == m_expected) {
        accept();
        return;
    }
    m_messages.warn(QStringLiteral("Invalid password."));
    if (attempts < 2) {
        password.clear();
        exchangeData(false);
        ++attempts;
        return;
    }
    m_messages.stop(QStringLiteral("Access denied!"));
    reject();
}
