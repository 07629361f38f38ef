#pragma once

#include "recorder/dialogs/widgets/DialogSize.h"

#include <initializer_list>

class QDialog;
class QPushButton;
class QWidget;

// The one design the Add and Edit dialogs share, in dialog units.
inline constexpr QSize kTipDialogDesign{200, 135};

// The common frame of the Tip dialogs: the content above, the buttons in a row at the
// bottom right, the title-bar help button and F1 for the focused control's help; sized
// from `designUnits` (see DialogSize.h), so call it once the title is set.
void LayOutTipDialog(QDialog* dialog, QWidget* content, std::initializer_list<QPushButton*> buttons,
                     QSize designUnits, DialogResizing resizing);
