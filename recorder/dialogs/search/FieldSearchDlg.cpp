#include "recorder/dialogs/search/FieldSearchDlg.h"

#include "platform/Messages.h"
#include "platform/WaitCursor.h"
#include "recorder/data/TipCollection.h"
#include "recorder/dialogs/search/ComboBoxPick.h"
#include "recorder/dialogs/search/SearchDialogLayout.h"
#include "recorder/dialogs/tip/TipDialogTexts.h"
#include "common/fields/TipFieldText.h"
#include "recorder/dialogs/tip/VisibleLengthValidator.h"
#include "recorder/dialogs/widgets/AccessibleLabels.h"
#include "recorder/dialogs/widgets/RadioGroupFocus.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <algorithm>

namespace {
const QString kNotFound = QStringLiteral("Text not found.");
} // namespace

std::string StoredBytes(const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit();
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

FieldSearchDlg::FieldSearchDlg(QWidget* parent, int tipCount, const TipCollection& tips,
                               Messages& messages, const QString& label, const QString& help)
    : QDialog(parent), tipCount(tipCount), m_tips(tips.list()),
      m_searched(static_cast<std::size_t>(std::clamp(tipCount, 0, tips.count()))),
      m_messages(messages)
{
    setWindowTitle(tr("Search Tips"));
    auto* content = new QWidget(this);
    m_box = new QComboBox(content);
    m_box->setObjectName(QStringLiteral("searchBox"));
    m_pick = new ComboBoxPick(m_box);
    m_box->setInsertPolicy(QComboBox::NoInsert);
    m_box->setCompleter(nullptr);
    m_box->setMaxVisibleItems(12);
    m_box->lineEdit()->setValidator(
        new VisibleLengthValidator(TipDialogTexts::kLineLimit, m_box->lineEdit()));
    m_box->setWhatsThis(help);
    auto* boxLabel = new QLabel(label, content);
    LabelBox(boxLabel, m_box);
    boxLabel->setWhatsThis(help);

    m_or = new QRadioButton(tr("&OR"), content);
    m_or->setObjectName(QStringLiteral("orButton"));
    m_or->setWhatsThis(tr("Finds the Tips that contain any of the words you typed."));
    auto* both = new QRadioButton(tr("A&ND"), content);
    both->setObjectName(QStringLiteral("andButton"));
    both->setWhatsThis(tr("Finds only the Tips that contain every word you typed."));
    auto* modes = new QButtonGroup(this);
    modes->addButton(m_or);
    modes->addButton(both);
    m_or->setChecked(true);
    TabToCheckedRadio({m_or, both});

    auto* grid = new QGridLayout(content);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(boxLabel, 0, 0);
    grid->addWidget(m_box, 0, 1, 1, 3);
    grid->addWidget(m_or, 1, 1);
    grid->addWidget(both, 1, 2);
    grid->setColumnStretch(3, 1);

    LayOutSearchDialog(this, content);
    m_box->setFocus();
}

void FieldSearchDlg::accept()
{
    search();
    terms.clear();
}

bool FieldSearchDlg::readBox()
{
    const QString text = SingleLine(m_box->currentText());
    if (VisibleLength(text) > TipDialogTexts::kLineLimit) {
        warn(TipDialogTexts::LineTooLong());
        m_box->setFocus();
        m_box->lineEdit()->selectAll();
        return false;
    }
    searchText = text;
    return true;
}

void FieldSearchDlg::warn(const QString& message)
{
    m_messages.show(message, MessageIcon::Warning);
}

void FieldSearchDlg::emptyBox()
{
    m_box->setCurrentIndex(-1);
    m_box->clearEditText();
    m_pick->set(-1);
    m_box->setFocus();
}

void FieldSearchDlg::setList(const QStringList& entries, int current)
{
    m_box->clear();
    m_box->addItems(entries);
    m_box->setCurrentIndex(current);
    m_pick->set(current < m_box->count() ? current : -1);
    if (m_pick->index() < 0)
        m_box->clearEditText();
    m_box->lineEdit()->selectAll();
}

template <class Scan> void FieldSearchDlg::runSearch(Scan&& scan)
{
    SearchResult result;
    {
        // A million Tips take a moment: the user sees that the program is busy.
        WaitCursor busy;
        result = scan();
    }
    // A picked list entry finds at least its own Tips, unless its part is not valid text
    // and did not survive the box: then too the user hears so rather than seeing an
    // empty window.
    if (result.foundCount == 0) {
        warn(kNotFound);
        return;
    }
    resultText = std::move(result.resultText);
    foundCount = result.foundCount;
    lastFound = result.lastFound;
    found = true;
    QDialog::accept();
}

void FieldSearchDlg::searchWords(SearchField field)
{
    terms = SearchTerms(StoredBytes(searchText));
    orMode = m_or->isChecked();
    runSearch([&] { return SearchByWords(m_tips, field, terms, orMode, m_searched); });
}

void FieldSearchDlg::searchPickedOrTyped(SearchField field, const QString& emptyMessage)
{
    if (!readBox())
        return;
    resultText.clear();
    if (m_pick->index() >= 0) {
        const std::string entry = StoredBytes(searchText);
        runSearch([&] { return SearchExactly(m_tips, field, entry, m_searched); });
        return;
    }
    searchText = searchText.trimmed();
    if (searchText.isEmpty()) {
        warn(emptyMessage);
        emptyBox();
        return;
    }
    searchWords(field);
}

int FieldSearchDlg::pickedIndex() const
{
    return m_pick->index();
}
