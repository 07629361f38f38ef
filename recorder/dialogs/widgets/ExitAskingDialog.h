#pragma once

#include <QDialog>

// A dialog whose Exit button, close box and Enter in a line box all go through one
// exit routine that may ask before closing, while Esc leaves at once with Cancel.
class ExitAskingDialog : public QDialog {
    Q_OBJECT
  public:
    using QDialog::QDialog;

    virtual void exitDialog() = 0;
    void reject() override { exitDialog(); }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};
