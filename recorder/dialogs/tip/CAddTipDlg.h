#pragma once

#include "recorder/dialogs/tip/CategoryChoices.h"
#include "recorder/dialogs/widgets/ExitAskingDialog.h"

#include <functional>
#include <string>
#include <vector>

class Clock;
class Messages;
class QPushButton;
class TipCollection;
class TipForm;

// "Add a Tip": records any number of new Tips while it is open. Each Add validates the
// three boxes and queues the Tip here; the caller appends what the dialog hands back,
// however the dialog was closed, Esc included. The collection is only read, for the
// category list.
class CAddTipDlg : public ExitAskingDialog {
    Q_OBJECT
  public:
    struct Services {
        Messages& messages;
        const Clock& clock;
        int dateFormat; // the stored date-choice position
        std::function<void(int)> storeDateFormat;
    };

    CAddTipDlg(QWidget* parent, int tipCount, const TipCollection& tips, Services services);

    // Results, read after the dialog has closed. Every part ends with "\n".
    std::vector<std::string> addedDates;
    std::vector<std::string> addedCategories;
    std::vector<std::string> addedTexts;
    int addedCount = 0;
    bool anyAdded = false;

    // The boxes as the dialog last read them; public so a test sees what the user sees.
    const int tipCount;
    int nextNumber;
    QString text;
    QString date;
    QString category;
    QString numberLabel;
    QString today;
    bool justAdded = false;
    int dateIndex = -1;

    // Add and Exit as the buttons do them; addTip() tells whether a Tip was queued.
    bool addTip();
    void exitDialog() override;

  private:
    bool readBoxes();
    void loadBoxes();
    void boxChanged();
    bool refuse(const QString& message);

    Services m_services;
    CategoryChoices m_categories;
    QStringList m_dateChoices;
    TipForm* m_form;
    QPushButton* m_add;
    QPushButton* m_exit;
};
