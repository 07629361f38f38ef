// Helper of scripts/crash-trials.sh: writes one of two known collections to a Tips
// file, tells which one a file holds, or removes what cut-off saves left behind.
//   crash_save old|new FILE   save that collection; prints "saving" as the save begins
//   crash_save verify FILE    print "old", "new" or "cut" (anything else), as a reader
//                             sees the file
//   crash_save clean FILE     what the next start does: remove the new files of cut-off
//                             saves and put right an in-place save cut off
#include "common/AtomicFile.h"
#include "common/Clock.h"
#include "common/MsRandom.h"
#include "common/SaveJournal.h"
#include "common/TipsFormat.h"

#include <cstdio>
#include <string>

namespace {

// Large enough that a save takes long enough to be cut at many different points.
std::vector<Tip> Collection(const std::string& name)
{
    std::vector<Tip> tips;
    for (int i = 0; i < 20000; ++i)
        tips.push_back({"12/07/26\n", name + "\n",
                        name + " Tip " + std::to_string(i) + std::string(100, '.') + "\n"});
    return tips;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
        return 64;
    const std::string command = argv[1];
    const std::string path = argv[2];
    MsRandom random;
    if (command == "old" || command == "new") {
        const std::vector<Tip> tips = Collection(command);
        // Tells the script that the save itself begins, so its kills can land inside it.
        std::puts("saving");
        std::fflush(stdout);
        return SaveTipsFile(path, tips, random, SystemClock()).ok ? 0 : 1;
    }
    if (command == "clean") {
        RemoveLeftoverNewFiles(path);
        RecoverInterruptedSave(path);
        return 0;
    }
    if (command != "verify")
        return 64;
    TipsFileContent content;
    const bool read = LoadTipsFile(path, content, random, SystemClock()) && !content.readError;
    const char* state = "cut";
    for (const char* name : {"old", "new"})
        if (read && content.strayText.empty() && content.tips == Collection(name))
            state = name;
    std::puts(state);
    return 0;
}
