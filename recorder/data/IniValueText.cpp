#include "recorder/data/IniValueText.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr std::string_view kSpaces = " \t";

std::string_view Trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

void AppendUtf8(std::string& out, std::uint32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | ((code >> 12) & 0x0F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

int DigitValue(char c, int base)
{
    int value = -1;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    return value < base ? value : -1;
}

// Reads the digits of a \x or octal escape starting at `i`, as one UTF-16 unit.
std::uint32_t ReadCode(std::string_view raw, std::size_t& i, int base)
{
    std::uint32_t code = 0;
    while (i < raw.size() && DigitValue(raw[i], base) >= 0) {
        code = (code * static_cast<std::uint32_t>(base) + DigitValue(raw[i], base)) & 0xFFFF;
        ++i;
    }
    return code;
}

char SimpleEscape(char c)
{
    switch (c) {
    case 'a': return '\a';
    case 'b': return '\b';
    case 'f': return '\f';
    case 'n': return '\n';
    case 'r': return '\r';
    case 't': return '\t';
    case 'v': return '\v';
    case '"':
    case '\'':
    case '?':
    case '\\': return c;
    default: return 0;
    }
}

} // namespace

std::string UnescapeIniValue(std::string_view raw)
{
    std::string out;
    bool quoted = false;
    std::size_t keep = 0; // length of `out` that trailing-space trimming may not cut
    std::size_t i = 0;
    while (i < raw.size()) {
        const char c = raw[i++];
        if (c == '"') {
            quoted = !quoted;
            keep = out.size();
        } else if (c == '\\' && i < raw.size()) {
            const char next = raw[i++];
            if (next == 'x') {
                AppendUtf8(out, ReadCode(raw, i, 16));
            } else if (next >= '0' && next <= '7') {
                --i;
                AppendUtf8(out, ReadCode(raw, i, 8));
            } else if (const char simple = SimpleEscape(next)) {
                out += simple;
            } else {
                out += next;
            }
            keep = out.size();
        } else {
            out += c;
            if (quoted)
                keep = out.size();
        }
    }
    const std::size_t last = out.find_last_not_of(kSpaces);
    out.resize(std::max(keep, last == std::string::npos ? 0 : last + 1));
    return out;
}

std::optional<std::string> IniValueText(std::string_view ini, std::string_view section,
                                        std::string_view key)
{
    // As in the store, a key written twice has its last value.
    std::optional<std::string> value;
    bool inSection = false;
    while (!ini.empty()) {
        const std::size_t end = ini.find('\n');
        const std::string_view line = Trimmed(ini.substr(0, end));
        ini.remove_prefix(end == std::string_view::npos ? ini.size() : end + 1);
        if (line.empty() || line[0] == ';' || line[0] == '#')
            continue;
        if (line[0] == '[') {
            inSection = line.size() >= 2 && line.back() == ']' &&
                        Trimmed(line.substr(1, line.size() - 2)) == section;
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!inSection || equals == std::string_view::npos ||
            Trimmed(line.substr(0, equals)) != key)
            continue;
        value = UnescapeIniValue(Trimmed(line.substr(equals + 1)));
    }
    return value;
}
