#include "recorder/dialogs/tip/CDeleteTipNumberDlg.h"

#include "platform/Messages.h"
#include "recorder/dialogs/tip/TipDialogLayout.h"
#include "recorder/dialogs/tip/TipDialogTexts.h"
#include "recorder/dialogs/widgets/AccessibleLabels.h"
#include "recorder/dialogs/widgets/MnemonicButton.h"
#include "recorder/dialogs/widgets/WholeNumberBox.h"

#include <QFormLayout>
#include <QLabel>
#include <QPushButton>

CDeleteTipNumberDlg::CDeleteTipNumberDlg(QWidget* parent, int tipCount, Messages& messages)
    : QDialog(parent), tipCount(tipCount), information(TipDialogTexts::TipCountLine(tipCount)),
      m_messages(messages)
{
    setObjectName(QStringLiteral("CDeleteTipNumberDlg"));
    setWindowTitle(tr("Delete Tip #"));

    auto* content = new QWidget(this);
    auto* info = InformationLine(information, "informationLine", content);
    m_number = new WholeNumberBox(tipCount, content);
    m_number->setObjectName(QStringLiteral("numberBox"));
    m_number->setValue(number);
    m_number->setEnabled(tipCount != 1);
    m_number->setWhatsThis(tr("The number of the Tip to delete. You see the Tip and are "
                              "asked before it goes."));
    auto* label = new QLabel(tr("&Tip to delete:"), content);
    label->setWhatsThis(m_number->whatsThis());
    LabelBox(label, m_number);
    auto* form = new QFormLayout(content);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(info);
    form->addRow(label, m_number);

    auto* ok = new MnemonicButton(tr("&OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    auto* cancel = new MnemonicButton(tr("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    LayOutTipDialog(this, content, {ok, cancel}, {150, 57}, DialogResizing::Fixed);
    connect(ok, &QPushButton::clicked, this, &CDeleteTipNumberDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CDeleteTipNumberDlg::reject);
    m_number->retype();
}

void CDeleteTipNumberDlg::accept()
{
    const std::optional<int> typed = m_number->readNumber(m_messages);
    if (!typed)
        return;
    number = *typed;
    if (number < 1 || number > tipCount) {
        m_messages.show(TipDialogTexts::NumberOutOfRange(tipCount), MessageIcon::Warning);
        m_number->retype();
        return;
    }
    QDialog::accept();
}
