#pragma once

#include "platform/ColorRef.h"
#include "platform/LogFont.h"

#include <optional>

// The dialogs the Format commands open, behind one interface so a test can answer them.
// Each returns the user's choice, or nothing when the user cancelled.
class FormatDialogs {
  public:
    virtual ~FormatDialogs() = default;
    virtual std::optional<LogFont> chooseFont(const LogFont& current) = 0;
    virtual std::optional<ColorRef> chooseFontColor() = 0;
    virtual std::optional<ColorRef> chooseBackgroundColor() = 0;
};
