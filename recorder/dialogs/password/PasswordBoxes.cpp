#include "recorder/dialogs/password/PasswordBoxes.h"

#include "recorder/dialogs/widgets/AccessibleLabels.h"
#include "recorder/dialogs/widgets/DialogSize.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace PasswordBoxes {

QLineEdit* Add(QFormLayout* form, const QString& label, const char* objectName)
{
    auto* box = new QLineEdit;
    box->setObjectName(QLatin1String(objectName));
    box->setEchoMode(QLineEdit::Password);
    auto* caption = new QLabel(label);
    form->addRow(caption, box);
    LabelBox(caption, box);
    return box;
}

QPushButton* Finish(QDialog* dialog, QFormLayout* form, const QString& okText,
                    const QString& cancelText)
{
    auto* buttons = new QDialogButtonBox;
    QPushButton* ok = buttons->addButton(okText, QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    QPushButton* cancel = buttons->addButton(cancelText, QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    // The OK button runs the dialog's own check instead of accepting straight away.
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(dialog);
    layout->addLayout(form);
    layout->addWidget(buttons);
    SizeToContent(*dialog);
    return ok;
}

bool TooShort(const QString& password)
{
    return password.size() < 3;
}

std::string Bytes(const QString& password)
{
    return password.toLocal8Bit().toStdString();
}

} // namespace PasswordBoxes
