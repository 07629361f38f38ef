#pragma once

#include "common/TipList.h"
#include "tool/ToolArgs.h"

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

// Which Tips the options --category NAME (any of those given) and --search WORDS
// [--and] keep, by the recorder's own searches: its words and letter-case rules. False,
// with the reason on `err`, for a search without words.
bool ChooseTips(const TipList& tips, const ToolArgs& parsed, std::vector<bool>& chosen,
                std::ostream& err);

// A part as a terminal shows it, and a line end: typed line breaks ("\r\n") as "\n".
void AppendForTerminal(std::string& out, std::string_view part);
// The same without the line end.
std::string ForTerminal(std::string_view part);
