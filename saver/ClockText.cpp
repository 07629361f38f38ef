#include "saver/ClockText.h"

#include <cstdio>

std::string ClockText(const std::tm& local)
{
    const int hour = local.tm_hour;
    const int shown = hour % 12 == 0 ? 12 : hour % 12;
    char text[16];
    std::snprintf(text, sizeof text, "%d:%02d %s", shown, local.tm_min, hour >= 12 ? "PM" : "AM");
    return text;
}

std::string ClockText(std::time_t t)
{
    std::tm local{};
    localtime_r(&t, &local);
    return ClockText(local);
}
