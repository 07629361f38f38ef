#pragma once

#include <QSize>

class QDialog;
class QFont;
class QString;

// Dialog sizes from their designs. A design is measured in dialog units: across, a
// quarter of the average character width of the dialog's font; down, an eighth of its
// character height. So a design keeps its proportions in whatever font the system uses.

QSize DialogUnitsToPixels(QSize units, const QFont& font);

// The narrowest window whose title bar still shows `title` whole beside the window icon
// and the title-bar buttons.
int WidthForTitle(const QString& title, const QFont& font);

enum class DialogResizing { Fixed, Free };

// Gives `dialog` the size of its design, `units` converted, though never smaller than its
// layout needs nor narrower than its whole title. Free keeps it resizable from there,
// down to that minimum. Call it once the title and the controls are in place.
void SizeToDesign(QDialog& dialog, QSize units, DialogResizing resizing = DialogResizing::Fixed);

// For a dialog without a design: the size its layout asks for, at least as wide as its
// whole title, fixed.
void SizeToContent(QDialog& dialog);
