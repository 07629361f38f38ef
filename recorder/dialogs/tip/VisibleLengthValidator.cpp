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
    if (length <= m_limit)
        return Acceptable;
    // Over the limit: only a change that shortens the text is let through.
    return length < VisibleLength(m_box->text()) ? Intermediate : Invalid;
}
