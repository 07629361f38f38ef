#pragma once

#include <ostream>
#include <string>
#include <vector>

// The command-line companion: `args` are the words after the program name. Returns
// the process exit status. Output goes to `out`, diagnostics to `err`.
int RunTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
