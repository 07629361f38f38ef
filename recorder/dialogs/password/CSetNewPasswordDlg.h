#pragma once

#include <QDialog>

class Messages;
class MsRandom;
class QLineEdit;
class RecorderSettings;

// Sets the first password: typed twice, at least three characters. OK stores its
// scrambled form; cancelling stores nothing.
class CSetNewPasswordDlg : public QDialog {
    Q_OBJECT
  public:
    CSetNewPasswordDlg(Messages& messages, RecorderSettings& settings, MsRandom& random,
                       QWidget* parent = nullptr);

    QString newPassword;
    QString verifyPassword;

    void exchangeData(bool fromControls);

  private:
    void onOk();

    Messages& m_messages;
    RecorderSettings& m_settings;
    MsRandom& m_random;
    QLineEdit* m_newBox;
    QLineEdit* m_verifyBox;
};
