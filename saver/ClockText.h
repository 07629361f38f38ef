#pragma once

#include <ctime>
#include <string>

// The time of day as the saver shows it: "9:05 AM", "12:30 PM", midnight as "12:00 AM".
// The half of the day is taken from the hour every time, so a saver that runs across a
// suspend still shows the right one.
std::string ClockText(const std::tm& local);

// ClockText of `t` in local time.
std::string ClockText(std::time_t t);
