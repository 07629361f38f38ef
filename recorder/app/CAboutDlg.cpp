#include "recorder/app/CAboutDlg.h"

#include "recorder/dialogs/widgets/DialogSize.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QPushButton* OkButton(QDialog* dialog)
{
    auto* ok = new QPushButton(QStringLiteral("&OK"), dialog);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    return ok;
}

QLabel* Line(const QString& text, const char* name, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

} // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(QStringLiteral("About Pennivel"));
    // F1 here does nothing: no help button, and the main window's help key does not reach it.
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* icon = new QLabel(this);
    icon->setPixmap(QIcon(QStringLiteral(":/icons/pennivel.svg")).pixmap(32, 32));
    auto* contact = new QPushButton(QStringLiteral("&Contact Info"), this);
    contact->setObjectName(QStringLiteral("contactButton"));
    connect(contact, &QPushButton::clicked, this, [this] {
        CContact dialog(this);
        dialog.exec();
    });

    auto* layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(Line(QStringLiteral("Pennivel Version 1.1"), "versionLine", this), 0, 1);
    layout->addWidget(
        Line(QStringLiteral("Copyright \u00A9 Kestrow. All rights reserved."), "legalLine", this),
        1, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(OkButton(this));
    buttons->addWidget(contact);
    buttons->addStretch();
    layout->addLayout(buttons, 0, 2, 2, 1);
    SizeToContent(*this);
}

CContact::CContact(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("contactDialog"));
    setWindowTitle(QStringLiteral("Contact Information"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Line(QStringLiteral("Kestrow\nPennivel support\nsupport@kestrow.example"),
                           "contactDetails", this));
    layout->addWidget(OkButton(this), 0, Qt::AlignHCenter);
    SizeToContent(*this);
}
