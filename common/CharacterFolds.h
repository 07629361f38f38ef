#pragma once

#include <string>
#include <string_view>

// Appends the full Unicode case fold of well-formed UTF-8 text (ß to ss, final sigma to
// sigma, "ﬁ" to "fi"), as ICU folds it. Folding needs no context, so each character is
// folded on its own, and the folds of the first 65,536 characters are asked of ICU
// once and kept: searches fold every Tip in another script than Latin.
void AppendCaseFolded(std::string_view text, std::string& folded);
