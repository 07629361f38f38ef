#pragma once

#include "recorder/dialogs/search/FieldSearchDlg.h"

// "Search Tips" by date: a date picked from the list finds exactly the Tips of that
// date; typed words find every date that contains them (09 finds any date with 09).
class CSearchDateDlg : public FieldSearchDlg {
    Q_OBJECT
  public:
    CSearchDateDlg(QWidget* parent, int tipCount, const TipCollection& tips, Messages& messages);

  protected:
    void search() override;
};
