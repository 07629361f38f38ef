#include "recorder/dialogs/tip/CAddTipDlg.h"

#include "common/Clock.h"
#include "platform/Messages.h"
#include "recorder/dialogs/tip/DateChoices.h"
#include "recorder/dialogs/tip/TipDialogLayout.h"
#include "recorder/dialogs/tip/TipDialogTexts.h"
#include "recorder/dialogs/tip/TipFieldText.h"
#include "recorder/dialogs/tip/TipForm.h"
#include "recorder/dialogs/widgets/MnemonicButton.h"

#include <QPlainTextEdit>
#include <QPushButton>

namespace {
const QString kGeneral = QStringLiteral("General");
}

CAddTipDlg::CAddTipDlg(QWidget* parent, int tipCount, const TipCollection& tips, Services services)
    : ExitAskingDialog(parent), tipCount(tipCount), nextNumber(tipCount + 1),
      numberLabel(TipDialogTexts::NumberLabel(tipCount + 1)),
      today(TodayShort(services.clock.now())), m_services(std::move(services)),
      m_categories(tips, tipCount), m_dateChoices(DateChoices(m_services.clock.now()))
{
    setObjectName(QStringLiteral("CAddTipDlg"));
    setWindowTitle(tr("Add a Tip"));
    m_categories.add(kGeneral);
    category = kGeneral;

    m_form = new TipForm(this);
    m_add = new MnemonicButton(tr("&Add"), this);
    m_add->setObjectName(QStringLiteral("addButton"));
    m_add->setEnabled(false);
    m_add->setWhatsThis(tr("Adds the Tip and clears the text for the next one."));
    m_exit = new MnemonicButton(tr("E&xit"), this);
    m_exit->setObjectName(QStringLiteral("exitButton"));
    m_exit->setDefault(true);
    m_exit->setWhatsThis(tr("Closes the dialog; asks first when a typed Tip was not added."));
    LayOutTipDialog(this, m_form, {m_add, m_exit}, kTipDialogDesign, DialogResizing::Free);

    m_form->setNumberLabel(numberLabel);
    m_form->setCategoryChoices(m_categories.entries());
    m_form->setDateChoices(m_dateChoices);
    loadBoxes();
    m_form->selectDateChoice(m_services.dateFormat);
    date = m_form->date();
    // The user comes to type: the date and category are filled in already.
    m_form->textBox()->setFocus();

    connect(m_form, &TipForm::changedByUser, this, &CAddTipDlg::boxChanged);
    connect(m_add, &QPushButton::clicked, this, &CAddTipDlg::addTip);
    connect(m_exit, &QPushButton::clicked, this, &CAddTipDlg::exitDialog);
}

bool CAddTipDlg::readBoxes()
{
    if (!m_form->linesWithinLimit(m_services.messages))
        return false;
    text = m_form->text();
    date = m_form->date();
    category = m_form->category();
    return true;
}

void CAddTipDlg::loadBoxes()
{
    m_form->setNumberLabel(numberLabel);
    m_form->load(date, category, text);
}

void CAddTipDlg::boxChanged()
{
    justAdded = false;
    const bool ready = !TrimmedEnd(m_form->text()).isEmpty() &&
                       !TrimmedEnd(m_form->date()).isEmpty() &&
                       !TrimmedEnd(m_form->category()).isEmpty();
    m_add->setEnabled(ready);
}

bool CAddTipDlg::refuse(const QString& message)
{
    loadBoxes();
    m_services.messages.show(message, MessageIcon::Warning);
    return false;
}

bool CAddTipDlg::addTip()
{
    if (!readBoxes())
        return false;
    text = text.trimmed();
    date = date.trimmed();
    category = category.trimmed();
    if (date.isEmpty() && category.isEmpty())
        return refuse(TipDialogTexts::EnterDateAndCategory());
    if (date.isEmpty())
        return refuse(TipDialogTexts::EnterDate());
    if (category.isEmpty())
        return refuse(TipDialogTexts::EnterCategory());
    if (ContainsMarker({text, date, category}))
        return refuse(TipDialogTexts::MarkerRefused());

    const int place = m_categories.add(category);
    if (place != -1)
        m_form->insertCategoryChoice(place, category);
    dateIndex = IndexIgnoringCase(m_dateChoices, date);
    if (dateIndex != -1 && m_services.storeDateFormat)
        m_services.storeDateFormat(dateIndex);

    justAdded = true;
    addedDates.push_back(PartFromBoxText(date));
    addedCategories.push_back(PartFromBoxText(category));
    addedTexts.push_back(PartFromBoxText(text));
    ++addedCount;

    text.clear();
    ++nextNumber;
    numberLabel = TipDialogTexts::NumberLabel(nextNumber);
    m_add->setEnabled(false);
    loadBoxes();
    anyAdded = true;
    // Straight back to typing the next Tip, however Add was pressed.
    m_form->textBox()->setFocus();
    return true;
}

void CAddTipDlg::exitDialog()
{
    if (!readBoxes())
        return;
    text = TrimmedEnd(text);
    if (!text.isEmpty() && !justAdded) {
        switch (m_services.messages.show(TipDialogTexts::SaveThisTip(), MessageIcon::Warning,
                                         MessageButtons::YesNoCancel)) {
        case MessageAnswer::Yes:
            if (!addTip())
                return;
            break;
        case MessageAnswer::No: break;
        default: return;
        }
    }
    done(Accepted);
}
