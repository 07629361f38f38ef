#pragma once

#include <QDialog>
#include <cstdint>

class Messages;
class WholeNumberBox;

// "Search Tips" by number: picks the Tip to show. It only hands the number back.
class CSearchNumberDlg : public QDialog {
    Q_OBJECT
  public:
    CSearchNumberDlg(QWidget* parent, int tipCount, Messages& messages);

    const int tipCount;
    std::uint32_t number = 1; // the result on OK, 1..tipCount
    QString information;

    void accept() override; // Search and Enter: closes only on a number of a Tip

  private:
    Messages& m_messages;
    WholeNumberBox* m_number;
};
