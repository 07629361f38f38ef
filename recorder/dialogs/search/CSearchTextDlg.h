#pragma once

#include "recorder/dialogs/search/FieldSearchDlg.h"

// "Search Tips" by text: the words typed (or a search picked from the history) are
// looked for in the Tips' texts. The list is the history of the last ten searches, most
// recent first; every press puts the searched text on top and writes the ten entries
// back to `searchWords`.
class CSearchTextDlg : public FieldSearchDlg {
    Q_OBJECT
  public:
    CSearchTextDlg(QWidget* parent, int tipCount, const TipCollection& tips, Messages& messages,
                   std::vector<std::string>& searchWords);

  protected:
    void search() override;

  private:
    void moveToTop(const QString& searched);
    void copyHistoryBack();

    std::vector<std::string>& m_SearchWords;
};
