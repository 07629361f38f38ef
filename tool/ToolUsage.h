#pragma once

#include <string>
#include <string_view>

// The usage of the whole tool (`pennivel-tool --help`).
std::string ToolUsage();
// The usage of one command (`pennivel-tool add --help`); empty for an unknown command.
std::string CommandUsage(std::string_view command);
