#pragma once

#include "common/Tip.h"
#include "tool/ToolArgs.h"

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

// Which Tips the options --category NAME (any of those given) and --search WORDS
// [--and] keep, by the recorder's own searches: its words and letter-case rules. False,
// with the reason on `err`, for a search without words.
bool ChooseTips(const std::vector<Tip>& tips, const ToolArgs& parsed, std::vector<bool>& chosen,
                std::ostream& err);

// A part as a terminal shows it: without its line end, typed line breaks as "\n".
std::string ForTerminal(std::string_view part);
