#pragma once

#include <QStringList>

class QFontMetrics;

// Lays a message out in lines for its box. A paragraph (text between line feeds) that
// fits in `maxWidth` stays one line, however much it asks of the box's width; a longer
// one is broken at spaces into as few lines as `maxWidth` allows, made about equally
// wide, so its last line holds a lone word only when nothing else fits there. A word
// wider than `maxWidth` gets a line of its own.
QStringList MessageLines(const QString& text, const QFontMetrics& metrics, int maxWidth);
