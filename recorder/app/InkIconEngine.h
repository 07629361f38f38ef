#pragma once

#include <QIcon>
#include <QString>

// The toolbar's icons draw their lines in one dark ink, which all but vanishes on a
// dark toolbar. This icon draws the SVG at `path` as it is on a light palette and, on a
// dark one, with that ink swapped for the palette's text colour, read when it is drawn,
// so that a change of colour scheme while the program runs is followed too.
QIcon InkIcon(const QString& path);
