#include "recorder/dialogs/tip/VisibleLengthValidator.h"

#include "common/fields/TipFieldText.h"

#include <QLineEdit>

VisibleLengthValidator::VisibleLengthValidator(int limit, QLineEdit* box)
    : QValidator(box), m_limit(limit), m_box(box)
{
}

QValidator::State VisibleLengthValidator::validate(QString& input, int&) const
{
    const int length = VisibleLength(input);
    if (length <= m_limit && FitsTipsFileLine(input))
        return Acceptable;
    // Over a limit: only a change that shortens the text is let through.
    const QString before = m_box->text();
    return length < VisibleLength(before) || input.size() < before.size() ? Intermediate : Invalid;
}
