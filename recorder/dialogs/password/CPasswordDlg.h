#pragma once

#include <QDialog>
#include <string>

class Messages;
class QLineEdit;

// Asks for the password before the recorder opens: three tries, then the door stays
// shut. Accepted only when the typed bytes equal the stored password exactly.
class CPasswordDlg : public QDialog {
    Q_OBJECT
  public:
    CPasswordDlg(Messages& messages, std::string expectedPassword, QWidget* parent = nullptr);

    QString password;
    int attempts = 0;

    void exchangeData(bool fromControls);

  private:
    void onOk();

    Messages& m_messages;
    std::string m_expected;
    QLineEdit* m_passwordBox;
};
