#include "recorder/dialogs/widgets/AccessibleLabels.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

namespace {

// "C&ategory:" is announced as "Category".
QString SpokenWords(QString caption)
{
    caption.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    while (caption.endsWith(u':') || caption.endsWith(u' '))
        caption.chop(1);
    return caption;
}

} // namespace

void NameBox(QWidget* box, const QString& name)
{
    box->setAccessibleName(name);
    // The edit field inside an editable combo box is an object of its own for a screen
    // reader; unnamed, it would be read as a nameless text.
    if (auto* combo = qobject_cast<QComboBox*>(box); combo && combo->lineEdit())
        combo->lineEdit()->setAccessibleName(name);
}

void LabelBox(QLabel* label, QWidget* box)
{
    label->setBuddy(box);
    NameBox(box, SpokenWords(label->text()));
}

QLabel* InformationLine(const QString& text, const char* objectName, QWidget* parent)
{
    auto* line = new QLabel(text, parent);
    line->setObjectName(QLatin1String(objectName));
    line->setTextFormat(Qt::PlainText);
    line->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return line;
}
