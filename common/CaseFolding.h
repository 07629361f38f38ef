#pragma once

#include <string>
#include <string_view>

// Lower case as the searches compare it. Texts are UTF-8: every well-formed character
// takes its Unicode lower-case form (CAFÉ folds to café). A byte that is not part of a
// well-formed character stays as it is, ASCII letters folded, so damaged text still
// compares byte by byte. The result may differ in length from the input.
std::string FoldCase(std::string_view bytes);
void FoldCaseInto(std::string_view bytes, std::string& folded);

// True when every byte is below 0x80: such text folds by ASCII rules alone.
bool IsAscii(std::string_view bytes);

// The ASCII lower-case form of one byte; every other byte unchanged.
inline unsigned char FoldAsciiByte(unsigned char byte)
{
    return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte + ('a' - 'A')) : byte;
}
