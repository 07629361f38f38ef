#include "recorder/dialogs/widgets/WholeNumberBox.h"

#include "platform/Messages.h"

#include <QLineEdit>
#include <algorithm>
#include <climits>

namespace {

// The value standing for an empty box; below every number the box accepts.
constexpr int kEmpty = -1;

} // namespace

WholeNumberBox::WholeNumberBox(int highest, QWidget* parent)
    : QSpinBox(parent), m_highest(std::max(1, highest))
{
    setRange(kEmpty, INT_MAX);
    setAlignment(Qt::AlignRight);
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
}

std::optional<int> WholeNumberBox::readNumber(Messages& messages)
{
    interpretText();
    if (value() != kEmpty)
        return value();
    messages.warn(QStringLiteral("Please enter a whole number."));
    retype();
    return std::nullopt;
}

void WholeNumberBox::retype()
{
    setFocus();
    selectAll();
}

void WholeNumberBox::stepBy(int steps)
{
    const long long wanted = static_cast<long long>(value()) + steps;
    setValue(static_cast<int>(std::clamp<long long>(wanted, 1, m_highest)));
    selectAll();
}

QValidator::State WholeNumberBox::validate(QString& input, int& pos) const
{
    if (input.isEmpty())
        return QValidator::Acceptable;
    if (!std::all_of(input.cbegin(), input.cend(), [](QChar c) { return c.isDigit(); }))
        return QValidator::Invalid;
    return QSpinBox::validate(input, pos);
}

QAbstractSpinBox::StepEnabled WholeNumberBox::stepEnabled() const
{
    StepEnabled enabled = StepNone;
    if (value() < m_highest)
        enabled |= StepUpEnabled;
    if (value() > 1)
        enabled |= StepDownEnabled;
    return enabled;
}

QString WholeNumberBox::textFromValue(int value) const
{
    return value == kEmpty ? QString() : QSpinBox::textFromValue(value);
}

int WholeNumberBox::valueFromText(const QString& text) const
{
    return text.isEmpty() ? kEmpty : QSpinBox::valueFromText(text);
}
