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

bool ChooseTips(const std::vector<Tip>& tips, const ToolArgs& parsed, std::vector<bool>& chosen,
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
    const TipList list(tips);
    if (!categories.empty()) {
        std::vector<bool> inCategory(tips.size(), false);
        for (const std::string& category : categories) {
            const std::vector<bool> hits =
                Marked(tips.size(), PositionsExactly(list, SearchField::Category, category));
            for (std::size_t i = 0; i < tips.size(); ++i)
                inCategory[i] = inCategory[i] || hits[i];
        }
        chosen = inCategory;
    }
    if (search) {
        const std::vector<bool> hits = Marked(
            tips.size(), PositionsByWords(list, SearchField::Text, words, !parsed.has("--and")));
        for (std::size_t i = 0; i < tips.size(); ++i)
            chosen[i] = chosen[i] && hits[i];
    }
    return true;
}

// A line break typed into a Tip is stored as "\r\n"; a terminal wants "\n".
std::string ForTerminal(std::string_view part)
{
    std::string text(WithoutLineEnd(part));
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at))
        text.erase(at, 1);
    return text;
}
