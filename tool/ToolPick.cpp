#include "common/AtomicFile.h"
#include "common/MsRandom.h"
#include "common/RandomTipPick.h"
#include "common/TipsFormat.h"
#include "tool/JsonText.h"
#include "tool/PickState.h"
#include "tool/TipChoice.h"
#include "tool/TipPick.h"
#include "tool/TipsFileAccess.h"
#include "tool/ToolArgs.h"
#include "tool/ToolExit.h"
#include "tool/ToolTipCommands.h"

#include <algorithm>
#include <random>

namespace {

// fortune's default for -s and -l.
constexpr long kDefaultLength = 160;

// Characters as the user counts them: every UTF-8 sequence (or stray byte) is one.
// Characters as the user counts them in a stored text: every UTF-8 sequence (or stray
// byte) is one, a typed line break ("\r\n") one, the closing line end none.
long CharacterCount(std::string_view stored)
{
    const std::string_view text = WithoutLineEnd(stored);
    long count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const bool typedBreak = byte == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
        if ((byte & 0xC0) != 0x80 && !typedBreak)
            ++count;
    }
    return count;
}

// Names the Tips file's version and the choice, so that a round over another file or
// another choice is not taken for this one.
std::string RoundKey(const std::string& file, std::size_t tipCount, const ToolArgs& parsed)
{
    const std::optional<FileIdentity> id = IdentityOf(file);
    std::string key = "tips";
    // Appended one by one: GCC 12 takes a chain of temporaries here for an overlapping copy.
    const auto append = [&key](auto value) {
        key += ' ';
        key += std::to_string(value);
    };
    if (id) {
        append(id->device);
        append(id->inode);
        append(id->size);
        append(id->modifiedNs);
    }
    key += " count " + std::to_string(tipCount) + " choice";
    std::vector<std::string> categories = parsed.all("--category");
    std::sort(categories.begin(), categories.end());
    std::string choice;
    for (const std::string& category : categories)
        choice += "c" + category + '\x1f';
    if (const std::string* search = parsed.value("--search"))
        choice += "s" + *search + (parsed.has("--and") ? "&" : "|") + '\x1f';
    for (const char* flag : {"--short", "--long"})
        if (parsed.has(flag))
            choice +=
                std::string(flag) + (parsed.value("--length") ? *parsed.value("--length") : "");
    // Stored on one line: the words as hex.
    static constexpr char kHex[] = "0123456789abcdef";
    for (const unsigned char c : choice) {
        key += c == '\x1f' ? ' ' : kHex[c >> 4];
        if (c != '\x1f')
            key += kHex[c & 15];
    }
    return key;
}

bool ReadLength(const ToolArgs& parsed, long& length, std::ostream& err)
{
    length = kDefaultLength;
    const std::string* given = parsed.value("--length");
    if (!given)
        return true;
    char* end = nullptr;
    length = std::strtol(given->c_str(), &end, 10);
    if (given->empty() || *end != '\0' || length < 0 || length > 1'000'000'000) {
        err << "pennivel-tool: --length takes a whole number of characters\n";
        return false;
    }
    return true;
}

} // namespace

const char* const kPickUsage = "pick takes [--category NAME]... [--search WORDS [--and]] "
                               "[--short | --long] [--length N] [--with-number | --json]";

int PickTip(const ToolArgs& parsed, Tip& tip, int& picked, std::ostream& err)
{
    long length = 0;
    if (!parsed.words.empty() || (parsed.has("--short") && parsed.has("--long")) ||
        (parsed.has("--and") && !parsed.value("--search")) || !ReadLength(parsed, length, err)) {
        err << "pennivel-tool: " << kPickUsage << "\n";
        return kExitUsage;
    }
    TipList tips;
    std::string file;
    if (!DefaultFile(kTipsFileName, file, err))
        return kExitIoError;
    // Only a choice by the texts needs them all decoded; otherwise only the one picked is.
    const bool byText = parsed.value("--search") || parsed.has("--short") || parsed.has("--long");
    if (const int status =
            ReadDataTips(tips, true, err, byText ? TextsRead::Decoded : TextsRead::Stored);
        status != kExitOk)
        return status;
    std::vector<bool> chosen;
    if (!ChooseTips(tips, parsed, chosen, err))
        return kExitUsage;
    std::vector<int> candidates;
    const bool shortOnes = parsed.has("--short"), longOnes = parsed.has("--long");
    for (std::size_t i = 0; i < tips.size(); ++i) {
        if (!chosen[i])
            continue;
        if (shortOnes || longOnes) {
            const long characters = CharacterCount(tips[i].text);
            if ((shortOnes && characters > length) || (longOnes && characters <= length))
                continue;
        }
        candidates.push_back(static_cast<int>(i) + 1);
    }
    if (candidates.empty()) {
        err << "pennivel-tool: no Tip to pick" << (tips.empty() ? "" : " fits the choice") << "\n";
        return 1;
    }

    const std::string statePath = PickStatePath();
    const std::string key = RoundKey(file, tips.size(), parsed);
    PickRound round = ReadPickRound(statePath);
    if (round.key != key)
        round = PickRound{key, {}};
    std::vector<bool> shown(tips.size() + 1, false);
    for (const int number : round.picked)
        if (static_cast<std::size_t>(number) < shown.size())
            shown[static_cast<std::size_t>(number)] = true;
    std::vector<int> unseen;
    for (const int number : candidates)
        if (!shown[static_cast<std::size_t>(number)])
            unseen.push_back(number);
    if (unseen.empty()) {
        round.picked.clear();
        unseen = candidates;
    }
    MsRandom random;
    random.seed(std::random_device{}());
    picked = unseen[static_cast<std::size_t>(
        PickRandomTip(random, static_cast<int>(unseen.size())) - 1)];
    round.picked.push_back(picked);
    // Not being able to remember the pick costs only the no-repeat rule: the Tip is shown.
    if (std::string error; !WritePickRound(statePath, round, error))
        err << "pennivel-tool: the pick is not remembered: " << error << "\n";
    if (!byText)
        DecodeStoredText(tips, static_cast<std::size_t>(picked) - 1);
    const TipParts parts = tips[static_cast<std::size_t>(picked) - 1];
    tip = Tip{std::string(parts.date), std::string(parts.category), std::string(parts.text)};
    return kExitOk;
}

int PickCommand(const std::vector<std::string>& args, const ToolIo& io)
{
    ToolArgs parsed;
    if (!ParseToolArgs(args, {"--category", "--search", "--length"},
                       {"--and", "--short", "--long", "--with-number", "--json"}, parsed, io.err))
        return kExitUsage;
    Tip tip;
    int picked = 0;
    if (const int status = PickTip(parsed, tip, picked, io.err); status != kExitOk)
        return status;
    if (parsed.has("--json")) {
        io.out << TipAsJson(picked, WithoutLineEnd(tip.date), WithoutLineEnd(tip.category),
                            WithoutLineEnd(tip.text))
               << '\n';
    } else {
        if (parsed.has("--with-number"))
            io.out << "Tip #" << picked << "\n" << ForTerminal(tip.date) << "\n";
        io.out << ForTerminal(tip.text) << "\n";
    }
    io.out.flush();
    return io.out ? kExitOk : kExitIoError;
}
