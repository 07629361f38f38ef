#pragma once

#include "recorder/dialogs/search/FieldSearchDlg.h"

// "Search Tips" by category: a category picked from the list finds exactly the Tips of
// that category; typed words find every category that contains them.
class CSearchCategoryDlg : public FieldSearchDlg {
    Q_OBJECT
  public:
    CSearchCategoryDlg(QWidget* parent, int tipCount, const TipCollection& tips,
                       Messages& messages);

  protected:
    void search() override;
};
