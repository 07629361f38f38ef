#include "tool/ToolCommands.h"

#include "common/Clock.h"
#include "common/FirstLineCheck.h"
#include "common/MsRandom.h"
#include "common/SaverSettingsFile.h"
#include "common/TipsFormat.h"
#include "platform/DataDirectory.h"
#include "recorder/data/RecorderSettings.h"
#include "recorder/data/UserDataSetup.h"
#include "tool/JsonText.h"

#include <algorithm>
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
    "  help, --help               show this text\n"
    "\n"
    "FILE defaults to the file in the data directory ($PENNIVEL_DIR, else\n"
    "~/.local/share/Pennivel).\n";

constexpr int kExitIoError = 74;

// The file in the data directory; false, with the reason on `err`, when the directory's
// path is too long to hold it (the directory is then unknown, and no other file may be
// checked in its place).
bool DefaultFile(const char* fileName, std::string& file, std::ostream& err)
{
    const std::string directory = DataDirectory();
    file = DataFilePath(directory, fileName);
    if (!directory.empty() && file.size() <= kMaxPathLength)
        return true;
    err << "pennivel-tool: the data directory path is too long (at most " << kMaxPathLength
        << " characters with the file name): set PENNIVEL_DIR to a shorter path\n";
    return false;
}

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
        return 64;
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
        return 64;
    if (file.empty() && !DefaultFile(kTipsFileName, file, err))
        return kExitIoError;
    const std::uint32_t code = CheckTipsFile(file);
    TipsFileContent content;
    if (code == kCheckMissing || code == kCheckError ||
        (code != kCheckEmpty && !LoadTipsFile(file, content, ProcessRandom(), SystemClock()))) {
        err << "pennivel-tool: cannot read " << file << ": " << DescribeTipsCheck(code) << "\n";
        return 2;
    }
    int number = 0;
    for (const Tip& tip : content.tips) {
        out << "{\"number\": " << ++number << ", \"date\": " << JsonString(WithoutLineEnd(tip.date))
            << ", \"category\": " << JsonString(WithoutLineEnd(tip.category))
            << ", \"text\": " << JsonString(WithoutLineEnd(tip.text)) << "}\n";
    }
    if (content.readError) {
        err << "pennivel-tool: reading " << file << " stopped early on an error\n";
        return 2;
    }
    return 0;
}

int Setup(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.size() > 1) {
        err << "pennivel-tool: setup takes no arguments\n";
        return 64;
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
        return 1;
    }
    if (report.created.empty())
        out << "nothing to do: Pennivel is set up\n";
    return 0;
}

} // namespace

int RunTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.empty()) {
        err << kUsage;
        return 64;
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
    err << "pennivel-tool: unknown command '" << command << "'\n\n" << kUsage;
    return 64;
}
