#pragma once

#include "common/Tip.h"
#include "recorder/dialogs/widgets/ExitAskingDialog.h"

#include <string>

class Clock;
class Messages;
class QPushButton;
class TipCollection;
class TipForm;

// "Edit a Tip": changes the date, category and text of the Tip on display. On a save the
// new parts replace origDate/origCategory/origText; an emptied text comes back as an
// empty origText, which asks the caller to delete the Tip. The collection is only read,
// for the category list.
class CEditTipDlg : public ExitAskingDialog {
    Q_OBJECT
  public:
    CEditTipDlg(QWidget* parent, int tipNumber, const Tip& tip, int tipCount,
                const TipCollection& tips, Messages& messages, const Clock& clock);

    const int tipNumber;
    const int tipCount;
    // The Tip's parts as handed in, each with its "\n"; the result after a save.
    std::string origDate;
    std::string origCategory;
    std::string origText;
    bool saved = false;

    QString text;
    QString date;
    QString category;
    QString numberLabel;
    QString today;
    bool modified = false;

    // Save and Exit as the buttons do them; saveTip() tells whether the Tip was saved.
    bool saveTip();
    void exitDialog() override;

  private:
    bool readBoxes();
    void boxChanged();

    Messages& m_messages;
    TipForm* m_form;
    QPushButton* m_save;
    QPushButton* m_exit;
};
