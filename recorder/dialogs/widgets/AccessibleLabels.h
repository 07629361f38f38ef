#pragma once

#include <QString>

class QLabel;
class QWidget;

// Ties a visible label to the box it describes, for the keyboard (its mnemonic moves the
// focus there) and for screen readers, which take the box's name from it. Qt names most
// boxes from their buddy by itself, but an editable combo box announces its current value
// instead, so every box gets the label's words as its accessible name.
void LabelBox(QLabel* label, QWidget* box);

// Gives `box` a name a screen reader can announce where the dialog shows no label for it.
void NameBox(QWidget* box, const QString& name);

// A line of information the user reads but cannot change ("There are 12 Tips."): a label,
// so that screen readers do not offer it as an editable text.
QLabel* InformationLine(const QString& text, const char* objectName, QWidget* parent);
