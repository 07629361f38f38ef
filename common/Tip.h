#pragma once

#include <string>

// One Tip as the programs hold it: byte strings exactly as in the Tips file, each
// ending with its own "\n". Typed line breaks inside the text are "\r\n".
struct Tip {
    std::string date;
    std::string category;
    std::string text;

    bool operator==(const Tip&) const = default;
};
