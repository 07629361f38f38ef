#pragma once

#include <map>
#include <ostream>
#include <set>
#include <string>
#include <vector>

// The words after a command: options that take a value ("--date 01/02/03" or
// "--date=01/02/03"), options that stand alone, and the rest in order. "-" alone is a
// word (standard input); "--" ends the options.
// An option given more than once keeps every value, in order.
struct ToolArgs {
    std::map<std::string, std::vector<std::string>> values;
    std::set<std::string> flags;
    std::vector<std::string> words;

    // The last value of `option`, or nullptr when it was not given.
    const std::string* value(const std::string& option) const;
    const std::vector<std::string>& all(const std::string& option) const;
    bool has(const std::string& flag) const { return flags.count(flag) != 0; }
};

// False, with the reason on `err`, for an unknown option or a value left out.
bool ParseToolArgs(const std::vector<std::string>& args, const std::set<std::string>& valueOptions,
                   const std::set<std::string>& flagOptions, ToolArgs& parsed, std::ostream& err);
