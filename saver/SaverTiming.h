#pragma once

#include "common/SaverSettingsFile.h"

#include <cstdint>

// How often the saver repaints. Outside Clock mode with the timer off the period is the
// largest a timer takes (about 24.8 days): in effect it never fires.
struct SaverTiming {
    static constexpr std::uint32_t kNeverMs = 2147483647;
    static constexpr std::uint32_t kClockPeriodSeconds = 60;

    std::uint32_t periodMs = 0;
    // Clock mode: ticks between colour changes; 0 means every tick.
    int colourEveryTicks = 0;

    bool operator==(const SaverTiming&) const = default;
};

// The timer count is taken as 1..59, as the settings dialog allows: a hand-edited 0
// would make the timer fire without pause, a huge count would wrap the period. Clock
// mode repaints at least every minute so the time shown stays right; a longer colour
// period becomes a tick count.
SaverTiming ComputeSaverTiming(const SaverSettings& settings);
