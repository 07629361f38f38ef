#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

// The release every program of the package reports.
std::string_view PennivelVersion();

// Answers --help (the text `help`) and --version ("NAME VERSION") on `out`, for a program
// whose command line `args` (without the program name) holds one of them among
// `helpWords` or "--version"; the caller ends with the status returned. Nothing else is
// looked at, so a program answers before it touches the window system.
std::optional<int> AnswerHelpOrVersion(const std::vector<std::string>& args,
                                       const std::vector<std::string_view>& helpWords,
                                       std::string_view name, std::string_view help,
                                       std::ostream& out);
