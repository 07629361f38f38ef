#pragma once

class QDialog;
class QWidget;

// The frame of the four search dialogs: `content` above "&Search" (the default button,
// which runs the dialog's accept()) and "&Cancel", with the help of every control, at the
// dialogs' one size. Call it once the title is set.
void LayOutSearchDialog(QDialog* dialog, QWidget* content);
