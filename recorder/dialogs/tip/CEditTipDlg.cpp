#include "recorder/dialogs/tip/CEditTipDlg.h"

#include "common/Clock.h"
#include "common/fields/DateChoices.h"
#include "common/fields/TipFieldText.h"
#include "platform/Messages.h"
#include "recorder/dialogs/tip/CategoryChoices.h"
#include "recorder/dialogs/tip/TipDialogLayout.h"
#include "recorder/dialogs/tip/TipDialogTexts.h"
#include "recorder/dialogs/tip/TipForm.h"
#include "recorder/dialogs/widgets/MnemonicButton.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

CEditTipDlg::CEditTipDlg(QWidget* parent, int tipNumber, const Tip& tip, int tipCount,
                         const TipCollection& tips, Messages& messages, const Clock& clock)
    : ExitAskingDialog(parent), tipNumber(tipNumber), tipCount(tipCount), origDate(tip.date),
      origCategory(tip.category), origText(tip.text), text(BoxTextFromPart(tip.text)),
      date(BoxTextFromPart(tip.date)), category(BoxTextFromPart(tip.category)),
      numberLabel(TipDialogTexts::NumberLabel(tipNumber)), today(TodayShort(clock.now())),
      m_messages(messages)
{
    setObjectName(QStringLiteral("CEditTipDlg"));
    setWindowTitle(tr("Edit a Tip"));

    m_form = new TipForm(this);
    m_save = new MnemonicButton(tr("&Save"), this);
    m_save->setObjectName(QStringLiteral("saveButton"));
    m_save->setEnabled(false);
    m_save->setWhatsThis(tr("Saves the changes; an empty text deletes the Tip."));
    m_exit = new MnemonicButton(tr("E&xit"), this);
    m_exit->setObjectName(QStringLiteral("exitButton"));
    m_exit->setDefault(true);
    m_exit->setWhatsThis(tr("Closes the dialog; asks first when there are unsaved changes."));
    LayOutTipDialog(this, m_form, {m_save, m_exit}, kTipDialogDesign, DialogResizing::Free);

    m_form->setNumberLabel(numberLabel);
    m_form->load(date, category, text);
    m_form->setCategoryChoices(CategoryChoices(tips, tipCount).entries());
    m_form->setDateChoices(DateChoices(clock.now()));
    // The caret waits where an addition to the text goes.
    m_form->textBox()->moveCursor(QTextCursor::End);
    m_form->textBox()->setFocus();

    connect(m_form, &TipForm::changedByUser, this, &CEditTipDlg::boxChanged);
    connect(m_save, &QPushButton::clicked, this, &CEditTipDlg::saveTip);
    connect(m_exit, &QPushButton::clicked, this, &CEditTipDlg::exitDialog);
}

bool CEditTipDlg::readBoxes()
{
    if (!m_form->linesWithinLimit(m_messages))
        return false;
    text = m_form->text();
    date = m_form->date();
    category = m_form->category();
    return true;
}

void CEditTipDlg::boxChanged()
{
    modified = true;
    m_save->setEnabled(true);
}

bool CEditTipDlg::saveTip()
{
    if (!readBoxes())
        return false;
    if (ContainsMarker({text, date, category})) {
        m_messages.show(TipDialogTexts::MarkerRefused(), MessageIcon::Warning);
        return false;
    }
    // An emptied date or category keeps the Tip's own: only the text may go.
    text = text.trimmed();
    date = date.trimmed();
    if (date.isEmpty())
        date = BoxTextFromPart(origDate);
    category = category.trimmed();
    if (category.isEmpty())
        category = BoxTextFromPart(origCategory);

    saved = true;
    origDate = PartFromBoxText(date);
    origCategory = PartFromBoxText(category);
    origText = text.isEmpty() ? std::string() : PartFromBoxText(text);
    modified = false;
    m_save->setEnabled(false);
    done(Accepted);
    return true;
}

void CEditTipDlg::exitDialog()
{
    if (!readBoxes())
        return;
    if (!modified) {
        done(saved ? Accepted : Rejected);
        return;
    }
    switch (m_messages.show(TipDialogTexts::SaveTheChanges(), MessageIcon::Warning,
                            MessageButtons::YesNoCancel)) {
    case MessageAnswer::Yes: saveTip(); break;
    case MessageAnswer::No: done(Accepted); break;
    default: break;
    }
}
