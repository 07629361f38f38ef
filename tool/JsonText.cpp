#include "tool/JsonText.h"

#include <cstdint>
#include <cstdio>

namespace {

// Length of the valid UTF-8 sequence starting at `i`, or 0 when the byte there does
// not begin one (overlong forms, surrogates and values above U+10FFFF are invalid).
std::size_t Utf8SequenceLength(std::string_view s, std::size_t i)
{
    const auto at = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char b = at(i);
    std::size_t length;
    unsigned char low = 0x80, high = 0xBF;
    if (b >= 0xC2 && b <= 0xDF) {
        length = 2;
    } else if (b >= 0xE0 && b <= 0xEF) {
        length = 3;
        if (b == 0xE0)
            low = 0xA0;
        if (b == 0xED)
            high = 0x9F;
    } else if (b >= 0xF0 && b <= 0xF4) {
        length = 4;
        if (b == 0xF0)
            low = 0x90;
        if (b == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (i + length > s.size())
        return 0;
    if (at(i + 1) < low || at(i + 1) > high)
        return 0;
    for (std::size_t k = 2; k < length; ++k)
        if (at(i + k) < 0x80 || at(i + k) > 0xBF)
            return 0;
    return length;
}

void AppendEscape(std::string& out, unsigned char byte)
{
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "\\u%04X", byte);
    out += buffer;
}

bool IsValidUtf8(std::string_view bytes)
{
    for (std::size_t i = 0; i < bytes.size();) {
        if (static_cast<unsigned char>(bytes[i]) < 0x80) {
            ++i;
            continue;
        }
        const std::size_t length = Utf8SequenceLength(bytes, i);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

std::string Base64(std::string_view bytes)
{
    static constexpr char kDigits[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        const std::size_t left = bytes.size() - i;
        std::uint32_t group = static_cast<unsigned char>(bytes[i]) << 16;
        if (left > 1)
            group |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        if (left > 2)
            group |= static_cast<unsigned char>(bytes[i + 2]);
        out += kDigits[(group >> 18) & 63];
        out += kDigits[(group >> 12) & 63];
        out += left > 1 ? kDigits[(group >> 6) & 63] : '=';
        out += left > 2 ? kDigits[group & 63] : '=';
    }
    return out;
}

// `"name": "text"`, and for bytes that are not UTF-8 also `"name_bytes": "base64"`.
void AppendField(std::string& out, std::string_view name, std::string_view bytes)
{
    out += ", \"";
    out += name;
    out += "\": ";
    out += JsonString(bytes);
    if (IsValidUtf8(bytes))
        return;
    out += ", \"";
    out += name;
    out += "_bytes\": \"";
    out += Base64(bytes);
    out += '"';
}

} // namespace

std::string JsonString(std::string_view bytes)
{
    std::string out = "\"";
    for (std::size_t i = 0; i < bytes.size();) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte >= 0x80) {
            const std::size_t length = Utf8SequenceLength(bytes, i);
            if (length == 0) {
                // U+FFFD, as a decoder shows it; the exact bytes go in a field of their own.
                out += "\xEF\xBF\xBD";
                ++i;
            } else {
                out.append(bytes.substr(i, length));
                i += length;
            }
            continue;
        }
        switch (byte) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (byte < 0x20 || byte == 0x7F)
                AppendEscape(out, byte);
            else
                out += static_cast<char>(byte);
        }
        ++i;
    }
    out += '"';
    return out;
}

std::string TipAsJson(int number, std::string_view date, std::string_view category,
                      std::string_view text)
{
    std::string out = "{\"number\": " + std::to_string(number);
    AppendField(out, "date", date);
    AppendField(out, "category", category);
    AppendField(out, "text", text);
    out += '}';
    return out;
}
