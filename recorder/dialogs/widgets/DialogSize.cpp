#include "recorder/dialogs/widgets/DialogSize.h"

#include <QDialog>
#include <QFontMetrics>
#include <QLayout>
#include <algorithm>

namespace {

// Both rounded to the nearest pixel, as the dialog units were defined.
int Scale(int units, int base, int divisor)
{
    return (units * base + divisor / 2) / divisor;
}

// What the dialog's layout needs at least; the layout is asked to stop fixing the size
// itself, since the design decides it from now on.
QSize LayoutMinimum(QDialog& dialog)
{
    if (QLayout* layout = dialog.layout()) {
        layout->setSizeConstraint(QLayout::SetDefaultConstraint);
        layout->activate();
    }
    return dialog.minimumSizeHint().expandedTo(dialog.minimumSize());
}

QSize WithTitle(QSize size, const QDialog& dialog)
{
    return size.expandedTo(QSize(WidthForTitle(dialog.windowTitle(), dialog.font()), 0));
}

} // namespace

QSize DialogUnitsToPixels(QSize units, const QFont& font)
{
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    const int averageWidth = (letters / 26 + 1) / 2;
    return {Scale(units.width(), averageWidth, 4), Scale(units.height(), metrics.height(), 8)};
}

int WidthForTitle(const QString& title, const QFont& font)
{
    // Title bars commonly use a bold face; the icon, the buttons and the gaps between
    // them take about eight character heights.
    QFont bold = font;
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    return metrics.horizontalAdvance(title) + 8 * metrics.height();
}

void SizeToDesign(QDialog& dialog, QSize units, DialogResizing resizing)
{
    const QSize minimum = WithTitle(LayoutMinimum(dialog), dialog);
    const QSize size = minimum.expandedTo(DialogUnitsToPixels(units, dialog.font()));
    if (resizing == DialogResizing::Fixed) {
        dialog.setFixedSize(size);
        return;
    }
    dialog.setMinimumSize(minimum);
    dialog.resize(size);
}

void SizeToContent(QDialog& dialog)
{
    LayoutMinimum(dialog);
    dialog.setFixedSize(WithTitle(dialog.sizeHint(), dialog));
}
