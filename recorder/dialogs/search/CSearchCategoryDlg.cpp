#include "recorder/dialogs/search/CSearchCategoryDlg.h"

#include "recorder/dialogs/tip/CategoryChoices.h"

CSearchCategoryDlg::CSearchCategoryDlg(QWidget* parent, int tipCount, const TipCollection& tips,
                                       Messages& messages)
    : FieldSearchDlg(parent, tipCount, tips, messages, tr("Ca&tegories:"),
                     tr("Pick a category to find exactly its Tips, or type words to find every "
                        "category that contains them."))
{
    setObjectName(QStringLiteral("CSearchCategoryDlg"));
    setList(CategoryChoices(tips, tipCount).entries());
}

void CSearchCategoryDlg::search()
{
    searchPickedOrTyped(SearchField::Category, tr("Please enter a Category to search."));
}
