#pragma once

class QDialog;
class QWidget;

// The frame of the four search dialogs: `content` above "&Search" (the default button,
// which runs the dialog's accept()) and "&Cancel", with the help of every control.
void LayOutSearchDialog(QDialog* dialog, QWidget* content);
