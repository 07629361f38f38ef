#pragma once

#include <cstdint>
#include <memory>

class CBrevantDoc;
class QBrush;
class QColor;
class QFont;

// The display font and background brush made from the document's settings. Both
// may throw std::bad_alloc, which start-up reports as its own failure.
std::unique_ptr<QFont> MakeDisplayFont(const CBrevantDoc& doc);
std::unique_ptr<QBrush> MakeBackgroundBrush(std::uint32_t colorRef);

// A stored colour, 0x00BBGGRR, as Qt's colour.
QColor ColorFromColorRef(std::uint32_t colorRef);
