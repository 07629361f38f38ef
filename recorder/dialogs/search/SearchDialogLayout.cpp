#include "recorder/dialogs/search/SearchDialogLayout.h"

#include "recorder/dialogs/tip/TipDialogLayout.h"
#include "recorder/dialogs/widgets/MnemonicButton.h"

#include <QDialog>

void LayOutSearchDialog(QDialog* dialog, QWidget* content)
{
    auto* search = new MnemonicButton(QDialog::tr("&Search"), dialog);
    search->setObjectName(QStringLiteral("searchButton"));
    search->setDefault(true);
    search->setWhatsThis(QDialog::tr("Searches the Tips and shows what was found."));
    auto* cancel = new MnemonicButton(QDialog::tr("&Cancel"), dialog);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setWhatsThis(QDialog::tr("Closes the dialog without searching."));
    // The design is 150 x 57 dialog units, never smaller than the controls need.
    LayOutTipDialog(dialog, content, {search, cancel}, {150, 57}, DialogResizing::Fixed);
    QObject::connect(search, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
}
