#include "tool/NewTipFields.h"
#include "tool/TipChoice.h"
#include "tool/TipsFileAccess.h"
#include "tool/ToolArgs.h"
#include "tool/ToolExit.h"
#include "tool/ToolTipCommands.h"

#include <iterator>

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
    session.added().push_back(tip);
    if (const int status = session.save(io.err); status != kExitOk)
        return status;
    io.out << "added Tip #" << session.count() << "\n";
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
    std::vector<bool> shown;
    if (!ChooseTips(tips, parsed, shown, io.err))
        return kExitUsage;
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
