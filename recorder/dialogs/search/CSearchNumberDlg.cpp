#include "recorder/dialogs/search/CSearchNumberDlg.h"

#include "platform/Messages.h"
#include "recorder/dialogs/search/SearchDialogLayout.h"
#include "recorder/dialogs/tip/TipDialogTexts.h"
#include "recorder/dialogs/widgets/AccessibleLabels.h"
#include "recorder/dialogs/widgets/WholeNumberBox.h"

#include <QFormLayout>
#include <QLabel>

CSearchNumberDlg::CSearchNumberDlg(QWidget* parent, int tipCount, Messages& messages)
    : QDialog(parent), tipCount(tipCount), information(TipDialogTexts::TipCountLine(tipCount)),
      m_messages(messages)
{
    setObjectName(QStringLiteral("CSearchNumberDlg"));
    setWindowTitle(tr("Search Tips"));

    auto* content = new QWidget(this);
    m_number = new WholeNumberBox(tipCount, content);
    m_number->setObjectName(QStringLiteral("numberBox"));
    m_number->setValue(static_cast<int>(number));
    m_number->setWhatsThis(tr("The number of the Tip to show; the arrows step through them."));
    auto* label = new QLabel(tr("&Tip #"), content);
    LabelBox(label, m_number);
    label->setWhatsThis(m_number->whatsThis());
    auto* info = InformationLine(information, "informationLine", content);
    info->setWhatsThis(tr("How many Tips there are to choose from."));
    auto* form = new QFormLayout(content);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(label, m_number);
    form->addRow(info);

    LayOutSearchDialog(this, content);
    m_number->retype();
}

void CSearchNumberDlg::accept()
{
    const std::optional<int> typed = m_number->readNumber(m_messages);
    if (!typed)
        return;
    number = static_cast<std::uint32_t>(*typed);
    if (*typed < 1 || *typed > tipCount) {
        m_messages.show(TipDialogTexts::NumberOutOfRange(tipCount), MessageIcon::Warning);
        m_number->retype();
        return;
    }
    QDialog::accept();
}
