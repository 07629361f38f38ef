#include "recorder/dialogs/search/QtSearchDialogs.h"

#include "recorder/dialogs/search/CSearchCategoryDlg.h"
#include "recorder/dialogs/search/CSearchDateDlg.h"
#include "recorder/dialogs/search/CSearchNumberDlg.h"
#include "recorder/dialogs/search/CSearchTextDlg.h"

namespace {

std::optional<FieldSearchAnswer> Run(FieldSearchDlg& dialog)
{
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return FieldSearchAnswer{dialog.lastFound, std::move(dialog.resultText),
                             StoredBytes(dialog.searchText)};
}

} // namespace

QtSearchDialogs::QtSearchDialogs(QWidget* parent, Messages& messages)
    : m_parent(parent), m_messages(messages)
{
}

std::optional<FieldSearchAnswer> QtSearchDialogs::runCategorySearch(int tipCount,
                                                                    const TipCollection& tips)
{
    CSearchCategoryDlg dialog(m_parent, tipCount, tips, m_messages);
    return Run(dialog);
}

std::optional<FieldSearchAnswer> QtSearchDialogs::runDateSearch(int tipCount,
                                                                const TipCollection& tips)
{
    CSearchDateDlg dialog(m_parent, tipCount, tips, m_messages);
    return Run(dialog);
}

std::optional<FieldSearchAnswer>
QtSearchDialogs::runTextSearch(int tipCount, const TipCollection& tips,
                               std::vector<std::string>& searchWords)
{
    CSearchTextDlg dialog(m_parent, tipCount, tips, m_messages, searchWords);
    return Run(dialog);
}

std::optional<int> QtSearchDialogs::runNumberSearch(int tipCount)
{
    CSearchNumberDlg dialog(m_parent, tipCount, m_messages);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return static_cast<int>(dialog.number);
}
