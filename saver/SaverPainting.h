#pragma once

#include "platform/TextLayout.h"

#include <QFont>
#include <QString>

class QPainter;
class QPaintDevice;
class QRect;
struct SaverFrame;

// Only this many characters of a text are drawn.
inline constexpr int kMaxSaverTextCharacters = 1000;
// The fitting shrinks the font in these steps, and never below the smallest height.
inline constexpr int kFontHeightStep = 3;
inline constexpr int kSmallestFontHeight = 24;

// The saver's font: bold "Courier New", `height` pixels from the top of one line to the
// top of the next.
QFont SaverFont(int height, const QPaintDevice* device);

struct FittedText {
    int fontHeight = 0;
    TextLayout layout;
};

// Lays `text` out, each line centred, in a box `width` wide, in the largest font of
// `startHeight`, one kFontHeightStep less, and so on, that is less than `height` tall;
// at worst in the first at or below kSmallestFontHeight, whether it fits or not.
FittedText FitSaverText(const QString& text, int startHeight, int width, int height,
                        const QPaintDevice* device);

// One paint: `client` filled black, then the frame's text cut to its first
// kMaxSaverTextCharacters characters (never half a grapheme), fitted and centred
// vertically (a text still too tall starts above the top edge, its middle on the
// window's middle).
void PaintSaverFrame(QPainter& painter, const QRect& client, const SaverFrame& frame);
