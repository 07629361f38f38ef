#include "recorder/dialogs/tip/TipDialogLayout.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWhatsThis>

namespace {

// F1 answers with the help of the control that has the keyboard focus, at that control.
void AddContextHelpKey(QDialog* dialog)
{
    auto* help = new QAction(dialog);
    help->setShortcut(Qt::Key_F1);
    help->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(help, &QAction::triggered, dialog, [dialog] {
        QWidget* control = QApplication::focusWidget();
        while (control && control != dialog && control->whatsThis().isEmpty())
            control = control->parentWidget();
        if (control && !control->whatsThis().isEmpty())
            QWhatsThis::showText(control->mapToGlobal(control->rect().center()),
                                 control->whatsThis(), control);
    });
    dialog->addAction(help);
}

} // namespace

void LayOutTipDialog(QDialog* dialog, QWidget* content, std::initializer_list<QPushButton*> buttons,
                     QSize designUnits, DialogResizing resizing)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* button : buttons)
        row->addWidget(button);
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(content, 1);
    layout->addLayout(row);
    dialog->setWindowFlag(Qt::WindowContextHelpButtonHint, true);
    AddContextHelpKey(dialog);
    dialog->setModal(true);
    SizeToDesign(*dialog, designUnits, resizing);
}
