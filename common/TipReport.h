#pragma once

#include "common/TipList.h"

#include <string>
#include <vector>

// The statistics text of Info > Report: the number of Tips, then how many Tips carry each
// category and each date. Names are compared as whole stored strings (so "love" and "Love"
// count apart), listed without their closing line feed and sorted byte by byte, which
// orders dates as text rather than by calendar. Lines are joined by CR LF with no line
// break at the end.
std::string BuildReport(const TipList& tips);
