#pragma once

#include "common/Tip.h"

#include <string>

// The rules of the recorder's Add dialog for a Tip typed on the command line: text,
// date and category are trimmed and must not be empty, the date and category hold at
// most 20 visible characters on one line, and no part holds the Tips file's record
// marker. On success `tip` holds the stored parts (line breaks in the text as "\r\n");
// otherwise the returned reason is not empty.
std::string MakeNewTip(const std::string& date, const std::string& category,
                       const std::string& text, Tip& tip);

// A category made from a file name: its base name without the last extension, on one
// line and cut to what the Category box would take.
std::string CategoryFromFileName(const std::string& path);

// Today in the recorder's default date form (MM/DD/YY), as a stored part.
std::string TodayPart();
