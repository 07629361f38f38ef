#include "recorder/dialogs/widgets/UnsignedSpinBox.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <algorithm>

UnsignedSpinBox::UnsignedSpinBox(QWidget* parent) : QAbstractSpinBox(parent)
{
    setAlignment(Qt::AlignRight);
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
}

void UnsignedSpinBox::setRange(std::uint32_t minimum, std::uint32_t maximum)
{
    m_minimum = minimum;
    m_maximum = std::max(minimum, maximum);
    updateGeometry();
}

QSize UnsignedSpinBox::sizeHint() const
{
    ensurePolished();
    const auto digits = std::max<qsizetype>(3, QString::number(m_maximum).size());
    const QFontMetrics metrics(font());
    // The extra room is the text cursor and the frame of the line edit inside.
    const QSize text(metrics.horizontalAdvance(QString(digits, QLatin1Char('9'))) + 6,
                     lineEdit()->sizeHint().height());
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    return style()->sizeFromContents(QStyle::CT_SpinBox, &option, text, this);
}

void UnsignedSpinBox::setValue(std::uint32_t value)
{
    lineEdit()->setText(QString::number(value));
}

std::optional<std::uint32_t> UnsignedSpinBox::value() const
{
    bool ok = false;
    const qulonglong number = text().toULongLong(&ok);
    if (!ok || number > UINT32_MAX)
        return std::nullopt;
    return static_cast<std::uint32_t>(number);
}

void UnsignedSpinBox::stepBy(int steps)
{
    const long long wanted = static_cast<long long>(value().value_or(0)) + steps;
    setValue(static_cast<std::uint32_t>(std::clamp<long long>(wanted, m_minimum, m_maximum)));
    selectAll();
}

QValidator::State UnsignedSpinBox::validate(QString& input, int&) const
{
    if (input.size() > 10)
        return QValidator::Invalid;
    for (QChar c : input) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return QValidator::Invalid;
    }
    return input.toULongLong() <= UINT32_MAX ? QValidator::Acceptable : QValidator::Invalid;
}

QAbstractSpinBox::StepEnabled UnsignedSpinBox::stepEnabled() const
{
    if (!isEnabled())
        return StepNone;
    const std::uint32_t current = value().value_or(0);
    StepEnabled enabled = StepNone;
    if (current < m_maximum)
        enabled |= StepUpEnabled;
    if (current > m_minimum || !value())
        enabled |= StepDownEnabled;
    return enabled;
}
