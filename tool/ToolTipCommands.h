#pragma once

#include "tool/ToolCommands.h"

#include <string>
#include <vector>

// The commands that read or change the Tips of the data directory; each returns the
// process exit status (tool/ToolExit.h).
int AddCommand(const std::vector<std::string>& args, const ToolIo& io);
int ListCommand(const std::vector<std::string>& args, const ToolIo& io);
int ExportCommand(const std::vector<std::string>& args, const ToolIo& io);
int ImportCommand(const std::vector<std::string>& args, const ToolIo& io);
