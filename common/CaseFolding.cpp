#include "common/CaseFolding.h"

#include <cstdint>
#include <cstring>
#include <locale>
#include <optional>
#include <stdexcept>
#include <vector>

namespace {

// The lower-case mapping of the UTF-8 locale, whatever locale the process runs in: the
// stored texts are UTF-8 regardless. Without such a locale only ASCII folds.
const std::ctype<wchar_t>* UnicodeCase()
{
    static const std::optional<std::locale> utf8 = []() -> std::optional<std::locale> {
        for (const char* name : {"C.UTF-8", "C.utf8", "en_US.UTF-8"}) {
            try {
                return std::locale(name);
            } catch (const std::runtime_error&) {
            }
        }
        return std::nullopt;
    }();
    static const std::ctype<wchar_t>* const facet =
        utf8 ? &std::use_facet<std::ctype<wchar_t>>(*utf8) : nullptr;
    return facet;
}

bool Continuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// The length of the well-formed character at `at` (shortest form, no surrogates, at
// most U+10FFFF) and its code point; 0 when the byte starts none.
std::size_t Decode(std::string_view bytes, std::size_t at, char32_t& code)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(bytes[at + k]); };
    const unsigned char lead = byte(0);
    const std::size_t left = bytes.size() - at;
    if (lead >= 0xC2 && lead <= 0xDF && left >= 2 && Continuation(byte(1))) {
        code = (char32_t(lead & 0x1F) << 6) | (byte(1) & 0x3F);
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF && left >= 3 && Continuation(byte(1)) &&
        Continuation(byte(2))) {
        code = (char32_t(lead & 0x0F) << 12) | (char32_t(byte(1) & 0x3F) << 6) | (byte(2) & 0x3F);
        return code >= 0x800 && (code < 0xD800 || code > 0xDFFF) ? 3 : 0;
    }
    if (lead >= 0xF0 && lead <= 0xF4 && left >= 4 && Continuation(byte(1)) &&
        Continuation(byte(2)) && Continuation(byte(3))) {
        code = (char32_t(lead & 0x07) << 18) | (char32_t(byte(1) & 0x3F) << 12) |
               (char32_t(byte(2) & 0x3F) << 6) | (byte(3) & 0x3F);
        return code >= 0x10000 && code <= 0x10FFFF ? 4 : 0;
    }
    return 0;
}

// Writes `code` at `out` and moves `out` past it.
void Encode(char32_t code, char*& out)
{
    const auto put = [&out](char32_t byte) { *out++ = static_cast<char>(byte); };
    if (code < 0x80) {
        put(code);
    } else if (code < 0x800) {
        put(0xC0 | (code >> 6));
        put(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        put(0xE0 | (code >> 12));
        put(0x80 | ((code >> 6) & 0x3F));
        put(0x80 | (code & 0x3F));
    } else {
        put(0xF0 | (code >> 18));
        put(0x80 | ((code >> 12) & 0x3F));
        put(0x80 | ((code >> 6) & 0x3F));
        put(0x80 | (code & 0x3F));
    }
}

char32_t LowerByLocale(char32_t code)
{
    const std::ctype<wchar_t>* facet = UnicodeCase();
    if (facet == nullptr || code > static_cast<char32_t>(WCHAR_MAX))
        return code;
    const auto lower = static_cast<char32_t>(facet->tolower(static_cast<wchar_t>(code)));
    // Keep the character when the mapping would leave well-formed text.
    return lower <= 0x10FFFF && (lower < 0xD800 || lower > 0xDFFF) ? lower : code;
}

// Texts in other scripts than Latin are folded character by character; a table of the
// first 65,536 characters, built once, spares the locale a call for each of them.
char32_t Lower(char32_t code)
{
    static const std::vector<char32_t> table = [] {
        std::vector<char32_t> lower(0x10000);
        for (char32_t c = 0; c < lower.size(); ++c)
            lower[c] = LowerByLocale(c);
        return lower;
    }();
    return code < table.size() ? table[code] : LowerByLocale(code);
}

} // namespace

void FoldCaseInto(std::string_view bytes, std::string& folded)
{
    // No character grows to more than twice its length when folded (two bytes become at
    // most three), so the copy is written in place and cut to size at the end.
    folded.resize(bytes.size() * 2);
    char* out = folded.data();
    for (std::size_t at = 0; at < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[at]);
        char32_t code = 0;
        const std::size_t length = lead < 0x80 ? 0 : Decode(bytes, at, code);
        if (length == 0) {
            *out++ = static_cast<char>(FoldAsciiByte(lead));
            ++at;
        } else {
            Encode(Lower(code), out);
            at += length;
        }
    }
    folded.resize(static_cast<std::size_t>(out - folded.data()));
}

std::string FoldCase(std::string_view bytes)
{
    std::string folded;
    FoldCaseInto(bytes, folded);
    return folded;
}

bool IsAscii(std::string_view bytes)
{
    constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
    std::size_t at = 0;
    for (; at + 8 <= bytes.size(); at += 8) {
        std::uint64_t word;
        std::memcpy(&word, bytes.data() + at, 8);
        if (word & kHighBits)
            return false;
    }
    for (; at < bytes.size(); ++at) {
        if (static_cast<unsigned char>(bytes[at]) >= 0x80)
            return false;
    }
    return true;
}
