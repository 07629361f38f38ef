#pragma once

#include <QString>

// The start of `text` up to `count` characters (code points), shortened to end where a
// grapheme ends, so a letter keeps its accents and an emoji sequence stays whole.
// `whole` says whether `text` is all there is; when it is not, its last grapheme may go
// on beyond it and is left out.
QString FirstWholeGraphemes(const QString& text, qsizetype count, bool whole = true);
