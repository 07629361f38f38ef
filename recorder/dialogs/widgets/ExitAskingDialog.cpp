#include "recorder/dialogs/widgets/ExitAskingDialog.h"

#include <QKeyEvent>

void ExitAskingDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        done(Rejected);
        return;
    }
    QDialog::keyPressEvent(event);
}
