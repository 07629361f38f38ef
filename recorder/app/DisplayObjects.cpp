#include "recorder/app/DisplayObjects.h"

#include "recorder/app/CBrevantDoc.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <cstdlib>

std::unique_ptr<QFont> MakeDisplayFont(const CBrevantDoc& doc)
{
    auto font = std::make_unique<QFont>(doc.m_FontFaceName);
    if (doc.m_nFontHeight != 0)
        font->setPixelSize(std::abs(doc.m_nFontHeight));
    font->setWeight(doc.m_nFontWeight >= 600 ? QFont::Bold : QFont::Normal);
    font->setItalic(doc.m_FontItalic != 0);
    return font;
}

std::unique_ptr<QBrush> MakeBackgroundBrush(std::uint32_t colorRef)
{
    return std::make_unique<QBrush>(ColorFromColorRef(colorRef));
}

QColor ColorFromColorRef(std::uint32_t colorRef)
{
    return QColor(static_cast<int>(colorRef & 0xFF), static_cast<int>((colorRef >> 8) & 0xFF),
                  static_cast<int>((colorRef >> 16) & 0xFF));
}
