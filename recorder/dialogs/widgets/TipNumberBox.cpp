#include "recorder/dialogs/widgets/TipNumberBox.h"

#include "platform/Messages.h"
#include "recorder/dialogs/tip/TipDialogTexts.h"

#include <algorithm>
#include <climits>

TipNumberBox::TipNumberBox(int tipCount, QWidget* parent) : QSpinBox(parent), m_tipCount(tipCount)
{
    setRange(0, INT_MAX);
    setAlignment(Qt::AlignRight);
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
}

bool TipNumberBox::namesATip(Messages& messages)
{
    interpretText();
    if (value() >= 1 && value() <= m_tipCount)
        return true;
    messages.show(TipDialogTexts::NumberOutOfRange(m_tipCount), MessageIcon::Warning);
    setFocus();
    selectAll();
    return false;
}

void TipNumberBox::stepBy(int steps)
{
    const long long wanted = static_cast<long long>(value()) + steps;
    setValue(static_cast<int>(std::clamp<long long>(wanted, 1, std::max(1, m_tipCount))));
    selectAll();
}

QValidator::State TipNumberBox::validate(QString& input, int& pos) const
{
    return input.isEmpty() ? QValidator::Acceptable : QSpinBox::validate(input, pos);
}

int TipNumberBox::valueFromText(const QString& text) const
{
    return text.isEmpty() ? 0 : QSpinBox::valueFromText(text);
}

QAbstractSpinBox::StepEnabled TipNumberBox::stepEnabled() const
{
    StepEnabled enabled = StepNone;
    if (value() < m_tipCount)
        enabled |= StepUpEnabled;
    if (value() > 1)
        enabled |= StepDownEnabled;
    return enabled;
}
