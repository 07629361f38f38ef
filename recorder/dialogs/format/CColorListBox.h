#pragma once

#include "platform/ColorRef.h"

#include <QListWidget>
#include <span>

// The palette list of the colour dialogs: one 18-pixel bar per colour, no visible text
// (a screen reader hears the colour's name), kept sorted from the brightest colour to the
// darkest by the sum of its components. The selected bar carries a one-pixel frame in the
// inverse colour.
class CColorListBox : public QListWidget {
    Q_OBJECT
  public:
    static constexpr int kItemHeight = 18;

    explicit CColorListBox(QWidget* parent = nullptr);

    // Adds a bar for `color` at its sorted place.
    void addColor(ColorRef color);
    ColorRef colorAt(int row) const;
    // The row showing `color`, or -1.
    int rowOf(ColorRef color) const;

    // The ordering of the list: negative when `a` belongs before `b`, positive after,
    // 0 for the same colour. Brighter (larger red + green + blue) comes first; two
    // different colours of equal brightness always answer -1, so among those the order of
    // adding decides.
    static int compare(ColorRef a, ColorRef b);
};

struct PaletteColor {
    ColorRef color;
    const char* name;
};

// The sixteen colours both colour dialogs offer, in the order they are added.
std::span<const PaletteColor> PaletteColors();

// What the list calls `color`: its palette name, else its components.
QString ColorName(ColorRef color);
