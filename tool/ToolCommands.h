#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

// Where a run of the tool reads and writes. Progress is shown only on a terminal.
struct ToolIo {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
    bool errIsTerminal = false;
};

// The command-line companion: `args` are the words after the program name. Returns
// the process exit status (tool/ToolExit.h).
int RunTool(const std::vector<std::string>& args, const ToolIo& io);
// The same with standard input and no progress display.
int RunTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
