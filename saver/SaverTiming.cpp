#include "saver/SaverTiming.h"

#include <algorithm>

SaverTiming ComputeSaverTiming(const SaverSettings& settings)
{
    SaverTiming timing;
    std::uint32_t seconds = std::clamp<std::uint32_t>(settings.timer, 1, 59);
    if (!settings.seconds)
        seconds *= settings.minutes ? 60 : 3600;
    if (settings.clock) {
        if (!settings.timerCheck) {
            seconds = SaverTiming::kClockPeriodSeconds;
        } else if (seconds > SaverTiming::kClockPeriodSeconds) {
            timing.colourEveryTicks = static_cast<int>(seconds / SaverTiming::kClockPeriodSeconds);
            seconds = SaverTiming::kClockPeriodSeconds;
        }
    }
    timing.periodMs = seconds * 1000;
    if (!settings.clock && !settings.timerCheck)
        timing.periodMs = SaverTiming::kNeverMs;
    return timing;
}
