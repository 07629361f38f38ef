#include "tool/ToolArgs.h"

const std::string* ToolArgs::value(const std::string& option) const
{
    const auto found = values.find(option);
    return found == values.end() ? nullptr : &found->second.back();
}

const std::vector<std::string>& ToolArgs::all(const std::string& option) const
{
    static const std::vector<std::string> none;
    const auto found = values.find(option);
    return found == values.end() ? none : found->second;
}

bool ParseToolArgs(const std::vector<std::string>& args, const std::set<std::string>& valueOptions,
                   const std::set<std::string>& flagOptions, ToolArgs& parsed, std::ostream& err)
{
    const std::string& command = args.at(0);
    bool optionsEnded = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (optionsEnded || word.size() < 2 || word[0] != '-') {
            parsed.words.push_back(word);
            continue;
        }
        if (word == "--") {
            optionsEnded = true;
            continue;
        }
        const std::size_t equals = word.find('=');
        const std::string name = word.substr(0, equals);
        if (valueOptions.count(name) != 0) {
            if (equals != std::string::npos) {
                parsed.values[name].push_back(word.substr(equals + 1));
            } else if (i + 1 < args.size()) {
                parsed.values[name].push_back(args[++i]);
            } else {
                err << "pennivel-tool: " << command << " " << name << " needs a value\n";
                return false;
            }
        } else if (flagOptions.count(word) != 0) {
            parsed.flags.insert(word);
        } else {
            err << "pennivel-tool: unknown option '" << word << "' for " << command << "\n";
            return false;
        }
    }
    return true;
}
