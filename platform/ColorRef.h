#pragma once

#include <QColor>
#include <cstdint>
#include <string>

// A colour as both programs store and exchange it: 0x00BBGGRR, red in the low byte.
// Settings keep it as decimal text, so the conversions to and from that text live here
// too; the top byte is carried along untouched and ignored when painting.
struct ColorRef {
    std::uint32_t value = 0;

    static constexpr ColorRef fromRgb(int red, int green, int blue)
    {
        return ColorRef{
            static_cast<std::uint32_t>((red & 0xFF) | (green & 0xFF) << 8 | (blue & 0xFF) << 16)};
    }
    constexpr int red() const { return static_cast<int>(value & 0xFF); }
    constexpr int green() const { return static_cast<int>(value >> 8 & 0xFF); }
    constexpr int blue() const { return static_cast<int>(value >> 16 & 0xFF); }
    constexpr ColorRef inverse() const { return fromRgb(255 - red(), 255 - green(), 255 - blue()); }

    QColor toQColor() const { return QColor(red(), green(), blue()); }
    static ColorRef fromQColor(const QColor& color)
    {
        return fromRgb(color.red(), color.green(), color.blue());
    }

    // Read the way the C runtime's atol reads: leading blanks, an optional sign, digits up
    // to the first non-digit; no digits gives 0 and values beyond 32 bits saturate. The
    // result is then taken as an unsigned 32-bit colour.
    static ColorRef fromDecimal(const std::string& text);
    // The value as a signed 32-bit decimal number, as it was always written.
    std::string toDecimal() const;

    constexpr bool operator==(const ColorRef&) const = default;
};
