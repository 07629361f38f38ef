#include "recorder/dialogs/widgets/MnemonicButton.h"

#include <QEvent>

MnemonicButton::MnemonicButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {}

bool MnemonicButton::event(QEvent* event)
{
    if (event->type() == QEvent::Shortcut) {
        if (isEnabled())
            click();
        return true;
    }
    return QPushButton::event(event);
}
