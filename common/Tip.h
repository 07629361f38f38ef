#pragma once

#include <string>
#include <string_view>

// One Tip as the programs hold it: byte strings exactly as in the Tips file, each
// ending with its own "\n". Typed line breaks inside the text are "\r\n".
struct Tip {
    std::string date;
    std::string category;
    std::string text;

    bool operator==(const Tip&) const = default;
};

// A stored part as shown or exported: without its closing "\n" (a part that lacks one,
// as from a damaged file, is returned whole).
inline std::string_view WithoutLineEnd(std::string_view part)
{
    if (!part.empty() && part.back() == '\n')
        part.remove_suffix(1);
    return part;
}
