#pragma once

#include <QDialog>

class Messages;
class QLineEdit;
class WholeNumberBox;

// "Delete Tip #": asks which Tip to delete. It only hands the number back; the caller
// shows that Tip and asks before deleting it.
class CDeleteTipNumberDlg : public QDialog {
    Q_OBJECT
  public:
    CDeleteTipNumberDlg(QWidget* parent, int tipCount, Messages& messages);

    const int tipCount;
    int number = 1; // the result on OK, 1..tipCount
    QString information;

    void accept() override; // OK and Enter: closes only on a number within the Tips

  private:
    Messages& m_messages;
    WholeNumberBox* m_number;
};
