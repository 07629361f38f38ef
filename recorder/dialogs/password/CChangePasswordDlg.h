#pragma once

#include <QDialog>

class Messages;
class MsRandom;
class QLineEdit;
class RecorderSettings;

// Replaces the password: the old one must match the stored one, the new one is typed
// twice. OK stores the new scrambled form; cancelling stores nothing.
class CChangePasswordDlg : public QDialog {
    Q_OBJECT
  public:
    CChangePasswordDlg(Messages& messages, RecorderSettings& settings, MsRandom& random,
                       QWidget* parent = nullptr);

    QString oldPassword;
    QString newPassword;
    QString verifyPassword;

    void exchangeData(bool fromControls);

  private:
    void onOk();
    void refuse(const char* message, bool clearOld, bool clearNew);

    Messages& m_messages;
    RecorderSettings& m_settings;
    MsRandom& m_random;
    QLineEdit* m_oldBox;
    QLineEdit* m_newBox;
    QLineEdit* m_verifyBox;
};
