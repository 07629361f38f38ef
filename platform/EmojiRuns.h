#pragma once

#include <QList>
#include <QStringView>
#include <QTextLayout>

// Emoji shown as emoji (with emoji presentation, a variation selector, a skin tone or a
// joiner) take the system's colour emoji font, so a sequence is drawn as one picture
// even when the text's own font has a plain glyph for its first character. Empty when
// the text has no emoji or no emoji font is installed.
QList<QTextLayout::FormatRange> EmojiFormats(QStringView text);
