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
// Reads only; exits 1 when no Tip fits.
int PickCommand(const std::vector<std::string>& args, const ToolIo& io);
// Shows a picked Tip through the desktop's notification service; 69 when none answers.
int NotifyCommand(const std::vector<std::string>& args, const ToolIo& io);
