#pragma once

#include "common/Tip.h"
#include "tool/ToolArgs.h"

#include <ostream>

// What a wrong command line of pick (and of notify, which picks alike) is told.
extern const char* const kPickUsage;

// One Tip of the data directory's Tips file, at random among those the options
// (--category, --search, --and, --short, --long, --length) keep, never one shown in the
// current round (PickState.h), which it records. Reads the Tips file, never writes it.
// Returns an exit status: 1 when no Tip fits, with the reason on `err`.
int PickTip(const ToolArgs& parsed, Tip& tip, int& number, std::ostream& err);
