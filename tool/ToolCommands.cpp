#include "tool/ToolCommands.h"

#include "common/Clock.h"
#include "common/FirstLineCheck.h"
#include "common/MsRandom.h"
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

#include <algorithm>
#include <cstring>
#include <iostream>
#include <string_view>

namespace {

constexpr const char* kUsage =
    "Usage: pennivel-tool COMMAND [OPTIONS] [FILE]\n"
    "\n"
    "Commands:\n"
    "  check [--settings] [FILE]  check the Tips file (or, with --settings, the screen\n"
    "                             saver settings file); prints the result code and its\n"
    "                             meaning and exits with the code\n"
    "  dump [FILE]                print every Tip of the Tips file as one JSON object a line\n"
    "  setup                      create what Pennivel needs to start, each part only when\n"
    "                             missing: the data directory, the screen saver settings\n"
    "                             file (all Tips, a new one every 10 seconds) and the\n"
    "                             recorder setting FirstTimePsswrd = 1; existing files and\n"
    "                             settings are never changed\n"
    "  add [--date DATE] [--category NAME] TEXT\n"
    "                             add a Tip (TEXT \"-\" reads standard input); DATE\n"
    "                             defaults to today as MM/DD/YY, NAME to General; both\n"
    "                             at most 20 characters, as in the Add dialog\n"
    "  list [--category NAME] [--search WORDS [--and]]\n"
    "                             print Tip number, date, category and text of every\n"
    "                             Tip, or of those in the category and holding any (with\n"
    "                             --and: every) word, letter case aside\n"
    "  export [--format text|fortune] [FILE]\n"
    "                             write the Tips to FILE (default standard output): as\n"
    "                             Save Tips As Text does, or as a fortune file\n"
    "  import [--category NAME] [--paragraphs] FILE...\n"
    "                             add the sayings of fortune files (separated by lines\n"
    "                             holding \"%\"), or with --paragraphs of text files (one\n"
    "                             per paragraph), dated today; NAME defaults to each\n"
    "                             file's base name; FILE \"-\" reads standard input\n"
    "  help, --help               show this text\n"
    "\n"
    "FILE of check and dump defaults to the file in the data directory ($PENNIVEL_DIR,\n"
    "else ~/.local/share/Pennivel). add and import refuse while Pennivel runs.\n"
    "\n"
    "Exit status: 0 done; 64 wrong command line; 65 data the Tips cannot take, or a\n"
    "Tips file that is not one; 74 a file could not be read or written; 75 Pennivel is\n"
    "running (close it and try again). check exits with its result code.\n";

// Splits the words after the command into options and at most one file.
bool ParseFileArgs(const std::vector<std::string>& args, std::vector<std::string_view> allowed,
                   std::vector<std::string>& options, std::string& file, std::ostream& err)
{
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (word.size() > 1 && word[0] == '-') {
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
    TipsFileContent content;
    if (code == kCheckMissing || code == kCheckError ||
        (code != kCheckEmpty && !LoadTipsFile(file, content, ProcessRandom(), SystemClock()))) {
        err << "pennivel-tool: cannot read " << file << ": "
            << (code == kCheckError ? WhyUnusable(file) : DescribeTipsCheck(code)) << "\n";
        return kExitIoError;
    }
    int number = 0;
    for (const Tip& tip : content.tips) {
        out << "{\"number\": " << ++number << ", \"date\": " << JsonString(WithoutLineEnd(tip.date))
            << ", \"category\": " << JsonString(WithoutLineEnd(tip.category))
            << ", \"text\": " << JsonString(WithoutLineEnd(tip.text)) << "}\n";
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

int RunCommand(const std::vector<std::string>& args, const ToolIo& io)
{
    std::ostream& out = io.out;
    std::ostream& err = io.err;
    if (args.empty()) {
        err << kUsage;
        return kExitUsage;
    }
    const std::string& command = args[0];
    if (command == "help" || command == "--help" || command == "-h") {
        out << kUsage;
        return 0;
    }
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
    err << "pennivel-tool: unknown command '" << command << "'\n\n" << kUsage;
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
