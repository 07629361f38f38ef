#pragma once

#include <QFont>
#include <QString>
#include <cstdint>

class QPaintDevice;

// The description of the display font as the recorder stores it: a height in device
// pixels (negative = character height, positive = cell height, 0 = the default size), a
// weight on the 100..900 scale (400 normal, 700 bold), an italic flag and a face name of
// at most kMaxFaceLength characters. The remaining fields are kept so a description read
// back is the one written, though painting does not use them.
struct LogFont {
    static constexpr int kMaxFaceLength = 31;
    // Heights beyond this are treated as this: no screen or page shows a taller line, and
    // an absurd stored value must not make painting crawl.
    static constexpr int kMaxPixelHeight = 2000;

    int lfHeight = 0;
    int lfWidth = 0;
    int lfEscapement = 0;
    int lfOrientation = 0;
    int lfWeight = 400;
    std::uint8_t lfItalic = 0;
    std::uint8_t lfUnderline = 0;
    std::uint8_t lfStrikeOut = 0;
    std::uint8_t lfCharSet = 0;
    std::uint8_t lfOutPrecision = 0;
    std::uint8_t lfClipPrecision = 0;
    std::uint8_t lfQuality = 0;
    std::uint8_t lfPitchAndFamily = 0;
    QString lfFaceName;

    // Keeps the first kMaxFaceLength characters (code points, never half a pair).
    void setFaceName(const QString& face);

    bool operator==(const LogFont&) const = default;
};

// The font to paint with on `device` (the screen when null).
QFont ToQFont(const LogFont& logFont, const QPaintDevice* device = nullptr);

// The description of a font the user picked, its height taken as character height at
// `dpiY` dots per inch when the font is sized in points.
LogFont FromQFont(const QFont& font, int dpiY);
