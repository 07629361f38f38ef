#pragma once

#include <string>
#include <string_view>

// Letter case and canonical form set aside, as the searches compare texts. Texts are
// UTF-8: well-formed text takes its full Unicode case fold in composed form, so CAFÉ,
// café and "cafe" + a combining acute fold alike, as do ΣΟΦΌΣ and σοφός, STRASSE and
// Straße, and "ﬁ" and "fi". A byte that is not part of a well-formed character stays
// as it is, so damaged text still compares byte by byte. ASCII text folds by ASCII
// rules alone. The result may differ in length from the input.
std::string FoldCase(std::string_view bytes);
void FoldCaseInto(std::string_view bytes, std::string& folded);

// True when every byte is below 0x80: such text folds by ASCII rules alone.
bool IsAscii(std::string_view bytes);

// The ASCII lower-case form of one byte; every other byte unchanged.
inline unsigned char FoldAsciiByte(unsigned char byte)
{
    return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte + ('a' - 'A')) : byte;
}
