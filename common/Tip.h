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

// A Tip's parts where they lie: in a Tip, or in the one buffer of a TipList. Valid as
// long as what they point into is unchanged.
struct TipParts {
    std::string_view date;
    std::string_view category;
    std::string_view text;

    TipParts() = default;
    TipParts(std::string_view d, std::string_view c, std::string_view t)
        : date(d), category(c), text(t)
    {
    }
    TipParts(const Tip& tip) : date(tip.date), category(tip.category), text(tip.text) {}

    Tip toTip() const { return {std::string(date), std::string(category), std::string(text)}; }
};

// A stored part as shown or exported: without its closing "\n" (a part that lacks one,
// as from a damaged file, is returned whole).
inline std::string_view WithoutLineEnd(std::string_view part)
{
    if (!part.empty() && part.back() == '\n')
        part.remove_suffix(1);
    return part;
}
