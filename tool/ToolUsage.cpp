#include "tool/ToolUsage.h"

#include <array>

namespace {

struct CommandHelp {
    const char* name;
    const char* text; // the command's lines of the usage, each indented
};

constexpr std::array kCommands{
    CommandHelp{
        "check",
        "  check [--settings] [FILE]  check the Tips file (or, with --settings, the screen\n"
        "                             saver settings file); prints the result code and its\n"
        "                             meaning and exits with the code\n"},
    CommandHelp{"dump", "  dump [FILE]                print every Tip of the Tips file as one JSON "
                        "object a line\n"},
    CommandHelp{
        "setup",
        "  setup                      create what Pennivel needs to start, each part only when\n"
        "                             missing: the data directory, the screen saver settings\n"
        "                             file (all Tips, a new one every 10 seconds) and the\n"
        "                             recorder setting FirstTimePsswrd = 1; existing files and\n"
        "                             settings are never changed\n"},
    CommandHelp{
        "add", "  add [--date DATE] [--category NAME] TEXT\n"
               "                             add a Tip (TEXT \"-\" reads standard input); DATE\n"
               "                             defaults to today as MM/DD/YY, NAME to General; both\n"
               "                             at most 20 characters, as in the Add dialog\n"},
    CommandHelp{
        "list",
        "  list [--category NAME] [--search WORDS [--and]]\n"
        "                             print Tip number, date, category and text of every\n"
        "                             Tip, or of those in the category and holding any (with\n"
        "                             --and: every) word, letter case aside\n"},
    CommandHelp{
        "export",
        "  export [--format text|fortune] [FILE]\n"
        "                             write the Tips to FILE (default standard output): as\n"
        "                             Save Tips As Text does, or as a fortune file\n"},
    CommandHelp{
        "import",
        "  import [--category NAME] [--paragraphs] FILE...\n"
        "                             add the sayings of fortune files (separated by lines\n"
        "                             holding \"%\"), or with --paragraphs of text files (one\n"
        "                             per paragraph), dated today; NAME defaults to each\n"
        "                             file's base name; FILE \"-\" reads standard input\n"},
    CommandHelp{"pick",
                "  pick [--category NAME]... [--search WORDS [--and]] [--short | --long]\n"
                "       [--length N] [--with-number | --json]\n"
                "                             print one Tip's text, at random, never the same\n"
                "                             twice until every Tip of the choice has come;\n"
                "                             --short / --long: at most / more than N characters\n"
                "                             (default 160); exits 1 when no Tip fits\n"},
    CommandHelp{"notify",
                "  notify [--category NAME]... [--search WORDS [--and]] [--short | --long]\n"
                "         [--length N]\n"
                "                             show a Tip picked so as a desktop notification;\n"
                "                             exits 69 when no notification service answers\n"
                "  notify --at-login [on|off]  show one at every login (an autostart entry),\n"
                "                             no longer, or say whether it is on\n"},
};

constexpr const char* kExitStatus =
    "Exit status: 0 done; 64 wrong command line; 65 data the Tips cannot take, or a\n"
    "Tips file that is not one; 74 a file could not be read or written; 75 Pennivel is\n"
    "running (close it and try again). check exits with its result code.\n";

} // namespace

std::string ToolUsage()
{
    std::string usage = "Usage: pennivel-tool COMMAND [OPTIONS] [--] [FILE]\n"
                        "       pennivel-tool COMMAND --help\n"
                        "\n"
                        "Commands:\n";
    for (const CommandHelp& command : kCommands)
        usage += command.text;
    usage += "  help, --help               show this text\n"
             "  --version                  show the version\n"
             "\n"
             "FILE of check and dump defaults to the file in the data directory ($PENNIVEL_DIR,\n"
             "else ~/.local/share/Pennivel). add and import refuse while Pennivel runs.\n"
             "\"--\" ends the options: the words after it are files or texts.\n"
             "\n";
    return usage + kExitStatus;
}

std::string CommandUsage(std::string_view command)
{
    for (const CommandHelp& entry : kCommands)
        if (command == entry.name)
            return std::string("Usage: pennivel-tool\n") + entry.text + "\n" + kExitStatus;
    return {};
}
