#include "recorder/dialogs/TipDialogLayout.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

void LayOutTipDialog(QDialog* dialog, QWidget* content, std::initializer_list<QPushButton*> buttons)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* button : buttons)
        row->addWidget(button);
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(content, 1);
    layout->addLayout(row);
    dialog->setWindowFlag(Qt::WindowContextHelpButtonHint, true);
    dialog->setModal(true);
}
