#pragma once

#include <initializer_list>

class QDialog;
class QPushButton;
class QWidget;

// The common frame of the Tip dialogs: the content above, the buttons in a row at the
// bottom right, the title-bar help button and F1 for the focused control's help.
void LayOutTipDialog(QDialog* dialog, QWidget* content,
                     std::initializer_list<QPushButton*> buttons);
