#pragma once

#include <QString>
#include <string>

class QDialog;
class QFormLayout;
class QLineEdit;
class QPushButton;

// The parts the three password dialogs share: masked boxes without a length limit,
// the OK/cancel row, and the rules on what the user typed.
namespace PasswordBoxes {

// A masked box with its label in `form`, findable by `objectName`.
QLineEdit* Add(QFormLayout* form, const QString& label, const char* objectName);

// Lays out `form` above the two buttons, sizes the dialog (its title is set by then)
// and returns the OK button, which the dialog
// connects to its own check; the cancel button (and Esc) end the dialog unchecked.
QPushButton* Finish(QDialog* dialog, QFormLayout* form, const QString& okText,
                    const QString& cancelText);

// Fewer than three characters as the user sees them.
bool TooShort(const QString& password);
// What is compared and scrambled: the typed text as bytes of the local encoding.
std::string Bytes(const QString& password);

} // namespace PasswordBoxes
