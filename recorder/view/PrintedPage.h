#pragma once

#include "platform/ColorRef.h"
#include "platform/LogFont.h"

#include <QRect>
#include <QString>

class CBrevantDoc;
class QPaintDevice;
class QPainter;

// What one printed page shows: the window's text without its leading empty line, cut to
// the first kMaxPrintedCharacters characters, in the display font and text colour.
struct PrintedTip {
    static constexpr int kMaxPrintedCharacters = 1000;

    QString text;
    LogFont font;
    ColorRef color;
    bool centre = true;
};
PrintedTip PrintedTipOf(const CBrevantDoc& doc);

// How much larger the page's device units are than the screen's: printer pixels per mm
// divided by screen pixels per mm, rounded up, at least 1. A screen that reported no
// size is taken at 96 dpi, as nearly every screen reports itself.
int PrintScale(float printerPxPerMm, float screenPxPerMm);

// The font height chosen for the page and the height the text then needs.
struct PageFit {
    int lfHeight;
    int textHeight;
};

// Starts at a cell height of 72 × scale and shrinks in steps of 3 × scale while the text
// is not shorter than the page, down to 12 × scale, which is kept even when the text
// still does not fit.
PageFit FitOnPage(const QString& text, LogFont font, int scale, const QRect& page,
                  const QPaintDevice& device);

// Paints `tip` on the page rectangle of the painter's device: each line centred and the
// whole centred vertically when `tip.centre` (a text taller than the page then starts
// above it by half the excess), else from the top-left corner. Nothing else is drawn.
PageFit PaintPrintedTip(QPainter& painter, const PrintedTip& tip, int scale, const QRect& page);
