#include "recorder/dialogs/tip/CDeleteTipNumberDlg.h"

#include "platform/Messages.h"
#include "recorder/dialogs/tip/TipDialogLayout.h"
#include "recorder/dialogs/tip/TipDialogTexts.h"
#include "recorder/dialogs/widgets/MnemonicButton.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <climits>

namespace {

// Typing may go beyond the Tips so the user hears which numbers there are; the arrows
// stay within 1..tipCount.
class TipNumberBox : public QSpinBox {
  public:
    TipNumberBox(int tipCount, QWidget* parent) : QSpinBox(parent), m_tipCount(tipCount)
    {
        setRange(0, INT_MAX);
        setAlignment(Qt::AlignRight);
        setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    }

    void stepBy(int steps) override
    {
        const long long wanted = static_cast<long long>(value()) + steps;
        setValue(static_cast<int>(std::clamp<long long>(wanted, 1, std::max(1, m_tipCount))));
        selectAll();
    }

    // An emptied box is taken as 0, a number of no Tip, so OK explains the range
    // instead of quietly going back to the last number.
    QValidator::State validate(QString& input, int& pos) const override
    {
        return input.isEmpty() ? QValidator::Acceptable : QSpinBox::validate(input, pos);
    }

    int valueFromText(const QString& text) const override
    {
        return text.isEmpty() ? 0 : QSpinBox::valueFromText(text);
    }

  protected:
    StepEnabled stepEnabled() const override
    {
        StepEnabled enabled = StepNone;
        if (value() < m_tipCount)
            enabled |= StepUpEnabled;
        if (value() > 1)
            enabled |= StepDownEnabled;
        return enabled;
    }

  private:
    int m_tipCount;
};

} // namespace

CDeleteTipNumberDlg::CDeleteTipNumberDlg(QWidget* parent, int tipCount, Messages& messages)
    : QDialog(parent), tipCount(tipCount), information(TipDialogTexts::TipCountLine(tipCount)),
      m_messages(messages)
{
    setObjectName(QStringLiteral("CDeleteTipNumberDlg"));
    setWindowTitle(tr("Delete Tip #"));

    auto* content = new QWidget(this);
    auto* info = new QLineEdit(information, content);
    info->setObjectName(QStringLiteral("informationLine"));
    info->setReadOnly(true);
    info->setFocusPolicy(Qt::NoFocus);
    info->setFrame(false);
    m_number = new TipNumberBox(tipCount, content);
    m_number->setObjectName(QStringLiteral("numberBox"));
    m_number->setValue(number);
    m_number->setEnabled(tipCount != 1);
    m_number->setWhatsThis(tr("The number of the Tip to delete. You see the Tip and are "
                              "asked before it goes."));
    auto* label = new QLabel(tr("Tip to delete:"), content);
    label->setWhatsThis(m_number->whatsThis());
    auto* form = new QFormLayout(content);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(info);
    form->addRow(label, m_number);

    auto* ok = new MnemonicButton(tr("&OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    auto* cancel = new MnemonicButton(tr("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    LayOutTipDialog(this, content, {ok, cancel});
    connect(ok, &QPushButton::clicked, this, &CDeleteTipNumberDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CDeleteTipNumberDlg::reject);
    m_number->setFocus();
    m_number->selectAll();
}

void CDeleteTipNumberDlg::accept()
{
    m_number->interpretText();
    number = m_number->value();
    if (number < 1 || number > tipCount) {
        m_messages.show(TipDialogTexts::NumberOutOfRange(tipCount), MessageIcon::Warning);
        m_number->setFocus();
        m_number->selectAll();
        return;
    }
    QDialog::accept();
}
