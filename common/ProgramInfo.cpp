#include "common/ProgramInfo.h"

#include <algorithm>

#ifndef PENNIVEL_VERSION
#error "PENNIVEL_VERSION is set by the build"
#endif

std::string_view PennivelVersion()
{
    return PENNIVEL_VERSION;
}

std::optional<int> AnswerHelpOrVersion(const std::vector<std::string>& args,
                                       const std::vector<std::string_view>& helpWords,
                                       std::string_view name, std::string_view help,
                                       std::ostream& out)
{
    for (const std::string& arg : args) {
        if (std::find(helpWords.begin(), helpWords.end(), arg) != helpWords.end()) {
            out << help;
            out.flush();
            return out ? 0 : 74;
        }
        if (arg == "--version") {
            out << name << ' ' << PennivelVersion() << '\n';
            out.flush();
            return out ? 0 : 74;
        }
    }
    return std::nullopt;
}
