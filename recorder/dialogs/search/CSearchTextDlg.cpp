#include "recorder/dialogs/search/CSearchTextDlg.h"

#include <QComboBox>
#include <algorithm>

namespace {

bool OnlySpaces(const QString& text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c == QLatin1Char(' '); });
}

} // namespace

CSearchTextDlg::CSearchTextDlg(QWidget* parent, int tipCount, const TipCollection& tips,
                               Messages& messages, std::vector<std::string>& searchWords)
    : FieldSearchDlg(parent, tipCount, tips, messages, tr("&Text:"),
                     tr("Type the words to look for in the Tips' texts, or pick one of your "
                        "last ten searches.")),
      m_SearchWords(searchWords)
{
    setObjectName(QStringLiteral("CSearchTextDlg"));
    QStringList history;
    for (const std::string& words : m_SearchWords)
        history.append(QString::fromLocal8Bit(words.data(), static_cast<qsizetype>(words.size())));
    // The most recent search is offered as picked: searching it again moves nothing.
    setList(history, 0);
}

void CSearchTextDlg::search()
{
    if (!readBox())
        return;
    if (OnlySpaces(searchText)) {
        warn(tr("Please enter a text to search."));
        emptyBox();
    } else {
        moveToTop(searchText);
        searchWords(SearchField::Text);
    }
    copyHistoryBack();
}

// A picked entry moves up; typed text goes on top even when it is listed already, and
// the oldest entry drops out, so the list keeps its length.
void CSearchTextDlg::moveToTop(const QString& searched)
{
    QStringList history;
    for (int i = 0; i < box()->count(); ++i)
        history.append(box()->itemText(i));
    if (pickedIndex() >= 0)
        history.removeAt(pickedIndex());
    else if (!history.isEmpty())
        history.removeLast();
    history.prepend(searched);
    setList(history, 0);
}

void CSearchTextDlg::copyHistoryBack()
{
    m_SearchWords.clear();
    for (int i = 0; i < box()->count(); ++i)
        m_SearchWords.push_back(StoredBytes(box()->itemText(i)));
}
