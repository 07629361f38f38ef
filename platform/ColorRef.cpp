#include "platform/ColorRef.h"

#include "common/Atol.h"

ColorRef ColorRef::fromDecimal(const std::string& text)
{
    return ColorRef{static_cast<std::uint32_t>(Atol(text))};
}

std::string ColorRef::toDecimal() const
{
    return std::to_string(static_cast<std::int32_t>(value));
}
