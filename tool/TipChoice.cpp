#include "tool/TipChoice.h"

#include "common/Tip.h"
#include "common/TipList.h"
#include "common/TipSearch.h"

namespace {

std::vector<bool> Marked(std::size_t count, const std::vector<std::size_t>& positions)
{
    std::vector<bool> marked(count, false);
    for (const std::size_t at : positions)
        marked[at] = true;
    return marked;
}

} // namespace

bool ChooseTips(const TipList& tips, const ToolArgs& parsed, std::vector<bool>& chosen,
                std::ostream& err)
{
    chosen.assign(tips.size(), true);
    const std::vector<std::string>& categories = parsed.all("--category");
    const std::string* search = parsed.value("--search");
    const std::vector<std::string> words =
        search ? SearchTerms(*search) : std::vector<std::string>{};
    if (search && words.empty()) {
        err << "pennivel-tool: --search needs at least one word\n";
        return false;
    }
    if (categories.empty() && !search)
        return true;
    if (!categories.empty()) {
        std::vector<bool> inCategory(tips.size(), false);
        for (const std::string& category : categories) {
            const std::vector<bool> hits =
                Marked(tips.size(), PositionsExactly(tips, SearchField::Category, category));
            for (std::size_t i = 0; i < tips.size(); ++i)
                inCategory[i] = inCategory[i] || hits[i];
        }
        chosen = inCategory;
    }
    if (search) {
        const std::vector<bool> hits = Marked(
            tips.size(), PositionsByWords(tips, SearchField::Text, words, !parsed.has("--and")));
        for (std::size_t i = 0; i < tips.size(); ++i)
            chosen[i] = chosen[i] && hits[i];
    }
    return true;
}

void AppendForTerminal(std::string& out, std::string_view part)
{
    part = WithoutLineEnd(part);
    for (std::size_t at = part.find("\r\n"); at != std::string_view::npos; at = part.find("\r\n")) {
        out += part.substr(0, at);
        part.remove_prefix(at + 1);
    }
    out += part;
    out += '\n';
}

std::string ForTerminal(std::string_view part)
{
    std::string text;
    AppendForTerminal(text, part);
    text.pop_back();
    return text;
}
