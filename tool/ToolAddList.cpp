#include "common/TipSearch.h"
#include "tool/NewTipFields.h"
#include "tool/TipsFileAccess.h"
#include "tool/ToolArgs.h"
#include "tool/ToolExit.h"
#include "tool/ToolTipCommands.h"

#include <iterator>

namespace {

// A line break typed into a Tip is stored as "\r\n"; a terminal wants "\n".
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

// Keeps shown only the Tips at `hits` among those shown so far.
void KeepOnly(std::vector<bool>& shown, const std::vector<std::size_t>& hits)
{
    std::vector<bool> hit(shown.size(), false);
    for (const std::size_t at : hits)
        hit[at] = true;
    for (std::size_t i = 0; i < shown.size(); ++i)
        shown[i] = shown[i] && hit[i];
}

} // namespace

int AddCommand(const std::vector<std::string>& args, const ToolIo& io)
{
    ToolArgs parsed;
    if (!ParseToolArgs(args, {"--date", "--category"}, {}, parsed, io.err))
        return kExitUsage;
    if (parsed.words.size() != 1) {
        io.err << "pennivel-tool: add takes one TEXT (\"-\" reads standard input)\n";
        return kExitUsage;
    }
    std::string text = parsed.words.front();
    if (text == "-")
        text.assign(std::istreambuf_iterator<char>(io.in), std::istreambuf_iterator<char>());
    const std::string* date = parsed.value("--date");
    const std::string* category = parsed.value("--category");
    Tip tip;
    const std::string problem =
        MakeNewTip(date ? *date : TodayPart(), category ? *category : "General", text, tip);
    if (!problem.empty()) {
        io.err << "pennivel-tool: cannot add the Tip: " << problem << "\n";
        return kExitBadData;
    }
    TipsWriteSession session;
    if (const int status = session.begin(io.err); status != kExitOk)
        return status;
    session.tips().push_back(tip);
    if (const int status = session.save(io.err); status != kExitOk)
        return status;
    io.out << "added Tip #" << session.tips().size() << "\n";
    return kExitOk;
}

int ListCommand(const std::vector<std::string>& args, const ToolIo& io)
{
    ToolArgs parsed;
    if (!ParseToolArgs(args, {"--category", "--search"}, {"--and"}, parsed, io.err))
        return kExitUsage;
    if (!parsed.words.empty() || (parsed.has("--and") && !parsed.value("--search"))) {
        io.err << "pennivel-tool: list takes [--category NAME] [--search WORDS [--and]]\n";
        return kExitUsage;
    }
    TipList tips;
    if (const int status = ReadDataTips(tips, false, io.err); status != kExitOk)
        return status;
    const std::string* search = parsed.value("--search");
    const std::vector<std::string> words =
        search ? SearchTerms(*search) : std::vector<std::string>{};
    if (search && words.empty()) {
        io.err << "pennivel-tool: --search needs at least one word\n";
        return kExitUsage;
    }
    // The recorder's own searches pick the Tips, with its words and letter-case rules.
    std::vector<bool> shown(tips.size(), true);
    if (const std::string* category = parsed.value("--category"))
        KeepOnly(shown, PositionsExactly(tips, SearchField::Category, *category));
    if (search)
        KeepOnly(shown, PositionsByWords(tips, SearchField::Text, words, !parsed.has("--and")));
    constexpr std::size_t kFlushAt = 1 << 16;
    std::string block;
    for (std::size_t i = 0; i < tips.size(); ++i) {
        if (!shown[i])
            continue;
        const TipParts tip = tips[i];
        block += "Tip #" + std::to_string(i + 1) + "\n";
        AppendForTerminal(block, tip.date);
        AppendForTerminal(block, tip.category);
        AppendForTerminal(block, tip.text);
        block += '\n';
        if (block.size() >= kFlushAt) {
            io.out << block;
            block.clear();
        }
    }
    io.out << block;
    return kExitOk;
}
