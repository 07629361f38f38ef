#include "tool/ToolCommands.h"

#include "common/Clock.h"
#include "common/FirstLineCheck.h"
#include "common/MsRandom.h"
#include "common/ProgramInfo.h"
#include "common/SaverSettingsFile.h"
#include "common/TipsFormat.h"
#include "platform/DataDirectory.h"
#include "recorder/data/RecorderSettings.h"
#include "recorder/data/UserDataSetup.h"
#include "tool/FdOutput.h"
#include "tool/JsonText.h"
#include "tool/TipsFileAccess.h"
#include "tool/ToolExit.h"
#include "tool/ToolTipCommands.h"
#include "tool/ToolUsage.h"

#include <algorithm>
#include <cstring>
#include <iostream>
#include <string_view>

namespace {

// Splits the words after the command into options and at most one file.
bool ParseFileArgs(const std::vector<std::string>& args, std::vector<std::string_view> allowed,
                   std::vector<std::string>& options, std::string& file, std::ostream& err)
{
    bool optionsEnded = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (word == "--" && !optionsEnded) {
            optionsEnded = true;
        } else if (word.size() > 1 && word[0] == '-' && !optionsEnded) {
            if (std::find(allowed.begin(), allowed.end(), word) == allowed.end()) {
                err << "pennivel-tool: unknown option '" << word << "' for " << args[0] << "\n";
                return false;
            }
            options.push_back(word);
        } else if (file.empty()) {
            file = word;
        } else {
            err << "pennivel-tool: " << args[0] << " takes one file\n";
            return false;
        }
    }
    return true;
}

int Check(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    std::vector<std::string> options;
    std::string file;
    if (!ParseFileArgs(args, {"--settings"}, options, file, err))
        return kExitUsage;
    const bool settings = !options.empty();
    if (file.empty() && !DefaultFile(settings ? kSaverSettingsFileName : kTipsFileName, file, err))
        return kExitIoError;
    const std::uint32_t code = settings ? CheckSettingsFile(file) : CheckTipsFile(file);
    out << code << " " << (settings ? DescribeSettingsCheck(code) : DescribeTipsCheck(code)) << ": "
        << file << "\n";
    return static_cast<int>(code);
}

int Dump(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    std::vector<std::string> options;
    std::string file;
    if (!ParseFileArgs(args, {}, options, file, err))
        return kExitUsage;
    if (file.empty() && !DefaultFile(kTipsFileName, file, err))
        return kExitIoError;
    const std::uint32_t code = CheckTipsFileForReading(file);
    if (code == kCheckForeign) {
        err << "pennivel-tool: " << file << " is not a Pennivel Tips file\n";
        return kExitBadData;
    }
    LoadedTips content;
    if (code == kCheckMissing || code == kCheckError ||
        (code != kCheckEmpty && !LoadTipsFile(file, content, ProcessRandom(), SystemClock()))) {
        err << "pennivel-tool: cannot read " << file << ": "
            << (code == kCheckError ? WhyUnusable(file) : DescribeTipsCheck(code)) << "\n";
        return kExitIoError;
    }
    int number = 0;
    for (const TipParts tip : content.tips) {
        out << TipAsJson(++number, WithoutLineEnd(tip.date), WithoutLineEnd(tip.category),
                         WithoutLineEnd(tip.text))
            << '\n';
    }
    if (content.readError) {
        err << "pennivel-tool: reading " << file << " stopped early on an error\n";
        return kExitIoError;
    }
    return 0;
}

int Setup(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.size() > 1) {
        err << "pennivel-tool: setup takes no arguments\n";
        return kExitUsage;
    }
    std::string file;
    if (!DefaultFile(kTipsFileName, file, err))
        return kExitIoError;
    RecorderSettings settings;
    const SetupReport report = SetUpUserData(DataDirectory(), settings);
    for (const std::string& created : report.created)
        out << "created " << created << "\n";
    if (!report.ok) {
        err << "pennivel-tool: setup failed: " << report.error << "\n";
        return kExitIoError;
    }
    if (report.created.empty())
        out << "nothing to do: Pennivel is set up\n";
    return 0;
}

// "--help" among a command's options, before any "--".
bool AsksForHelp(const std::vector<std::string>& args)
{
    for (std::size_t i = 1; i < args.size() && args[i] != "--"; ++i)
        if (args[i] == "--help" || args[i] == "-h")
            return true;
    return false;
}

// Prints a text the user asked for (whether it arrived is checked for every command).
int Answer(std::ostream& out, const std::string& text)
{
    out << text;
    return kExitOk;
}

int RunCommand(const std::vector<std::string>& args, const ToolIo& io)
{
    std::ostream& out = io.out;
    std::ostream& err = io.err;
    if (args.empty()) {
        err << ToolUsage();
        return kExitUsage;
    }
    const std::string& command = args[0];
    if (command == "help" || command == "--help" || command == "-h")
        return Answer(out, ToolUsage());
    if (command == "--version")
        return Answer(out, "pennivel-tool " + std::string(PennivelVersion()) + "\n");
    if (const std::string usage = CommandUsage(command); !usage.empty() && AsksForHelp(args))
        return Answer(out, usage);
    if (command == "check")
        return Check(args, out, err);
    if (command == "dump")
        return Dump(args, out, err);
    if (command == "setup")
        return Setup(args, out, err);
    if (command == "add")
        return AddCommand(args, io);
    if (command == "list")
        return ListCommand(args, io);
    if (command == "export")
        return ExportCommand(args, io);
    if (command == "import")
        return ImportCommand(args, io);
    if (command == "pick")
        return PickCommand(args, io);
    if (command == "notify")
        return NotifyCommand(args, io);
    err << "pennivel-tool: unknown command '" << command << "'\n\n" << ToolUsage();
    return kExitUsage;
}

// What a command printed must have arrived: a full disk or a closed pipe behind standard
// output is a failure, named, even after a command that did its work.
int CheckOutput(int status, const ToolIo& io)
{
    io.out.flush();
    if (io.out)
        return status;
    const auto* fd = dynamic_cast<const FdOutput*>(io.out.rdbuf());
    io.err << "pennivel-tool: cannot write to standard output: "
           << (fd && fd->error() != 0 ? std::strerror(fd->error()) : "write error") << "\n";
    return status == kExitOk ? kExitIoError : status;
}

} // namespace

int RunTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    return RunTool(args, ToolIo{std::cin, out, err});
}

int RunTool(const std::vector<std::string>& args, const ToolIo& io)
{
    return CheckOutput(RunCommand(args, io), io);
}
