#include "common/SaveJournal.h"
#include "common/Clock.h"
#include "common/FileSystemCalls.h"
#include "common/MsRandom.h"
#include "common/TipsFormat.h"
#include "tests/support/OtherUser.h"
#include "tests/support/TempDir.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::vector<Tip> Collection(const std::string& name)
{
    return std::vector<Tip>(500, Tip{"12/07/26\n", name + "\n", std::string(100, 'x') + "\n"});
}

std::string CollectionIn(const std::string& path)
{
    MsRandom random;
    FixedClock clock{0};
    TipsFileContent read;
    if (!LoadTipsFile(path, read, random, clock) || read.readError)
        return "unreadable";
    if (read.tips == Collection("old"))
        return "old";
    return read.tips == Collection("new") ? "new" : "cut";
}

// What a fresh reader and then a fresh writer find: the whole old or the whole new
// content, the same for both, and no journal once the writer has recovered.
std::string StateFound(const std::string& path, const std::string& oldBytes,
                       const std::string& journals)
{
    const std::string read = CollectionIn(path);
    RecoverInterruptedSave(path);
    std::error_code none;
    if (fs::exists(journals) && !fs::is_empty(journals, none))
        return "a journal stayed after the recovery";
    const std::string onDisk = CollectionIn(path);
    if (onDisk != read)
        return "the reader saw " + read + ", the recovery left " + onDisk;
    if (onDisk == "old" && ReadBytes(path) != oldBytes)
        return "the old content came back changed";
    return onDisk;
}

struct Walk {
    const char* name;
    void (*failFrom)(int n, int errorNumber);
    bool reports; // a killed save reports nothing
};

const Walk kWalks[] = {
    {"OneCallFails", FailNthFileCall, true},
    {"KilledAtTheCall", FailFileCallsFrom, false},
};

class InPlaceSaveWalk : public ::testing::TestWithParam<Walk> {};

} // namespace

// The folder refuses new files, so every save rewrites the file in place. Each system
// call of such a save fails in turn (once, or from there on as in a kill): a fresh open
// afterwards must always find the complete old or new content, and no journal stays
// once it has run.
TEST_P(InPlaceSaveWalk, EveryCallCutLeavesTheOldOrTheNewContent)
{
    TempDir dir;
    const std::string folder = dir.file("folder");
    const std::string state = dir.file("state");
    const std::string path = folder + "/" + kTipsFileName;
    fs::create_directory(folder);
    fs::create_directory(state);
    fs::permissions(dir.path(), fs::perms::all);
    MsRandom random;
    FixedClock clock{0};
    ASSERT_TRUE(SaveTipsFile(path, Collection("old"), random, clock).ok);
    const std::string oldBytes = ReadBytes(path);
    const std::string failures = dir.file("failures");
    ::chmod(folder.c_str(), 0555);
    if (::chown(path.c_str(), kNobody, kNoGroup) != 0 || ::chown(state.c_str(), kNobody, kNoGroup))
        GTEST_SKIP() << "needs root to let the user nobody rewrite the file";
    ::setenv("XDG_STATE_HOME", state.c_str(), 1);
    const Walk walk = GetParam();
    const int status = RunAsNobody([&] {
        std::string report;
        std::set<std::string> failedCalls;
        for (int n = 1;; ++n) {
            const int callsBefore = FileCallsMade();
            walk.failFrom(n, EIO);
            const SaveResult result = SaveTipsFile(path, Collection("new"), random, clock);
            FailNthFileCall(0, 0);
            if (FileCallsMade() - callsBefore < n) {
                if (!result.ok || CollectionIn(path) != "new")
                    report += "the save without failures failed\n";
                break;
            }
            failedCalls.insert(FailedFileCallName());
            const std::string at =
                "call " + std::to_string(n) + " (" + FailedFileCallName() + "): ";
            const std::string found = StateFound(path, oldBytes, state + "/pennivel");
            if (found != "old" && found != "new")
                report += at + found + "\n";
            else if (walk.reports && result.ok != (found == "new"))
                report += at + (result.ok ? "success" : "failure") + " reported, " + found +
                          " content left\n";
            WriteBytes(path, oldBytes);
        }
        for (const char* call : {"open", "pread", "write", "fsync", "ftruncate", "unlink"})
            if (!failedCalls.contains(call))
                report += std::string("the walk never made ") + call + " fail\n";
        WriteBytes(state + "/report", report);
        return report.empty() ? 0 : 1;
    });
    ::unsetenv("XDG_STATE_HOME");
    ::chmod(folder.c_str(), 0755);
    if (status == kCannotSwitchUser)
        GTEST_SKIP() << "needs root to act as \"nobody\", for whom the folder is read-only";
    EXPECT_EQ(status, 0) << ReadBytes(state + "/report");
}

INSTANTIATE_TEST_SUITE_P(Cases, InPlaceSaveWalk, ::testing::ValuesIn(kWalks),
                         [](const auto& info) { return std::string(info.param.name); });

// A reader that must not write gets the journaled old content whole, whatever its size,
// while the file is torn; the journal stays for a writer to recover.
TEST(SaveJournal, AReaderGetsTheOldContentOfATornFileWhole)
{
    TempDir dir;
    ::setenv("XDG_STATE_HOME", dir.file("state").c_str(), 1);
    const std::string path = dir.file("file");
    for (const std::size_t size : {0u, 1u, 4095u, 4096u, 65537u, 2808890u}) {
        std::string old(size, 'o');
        for (std::size_t i = 0; i < size; i += 7)
            old[i] = static_cast<char>('a' + i % 26);
        WriteBytes(path, old);
        struct stat st {};
        ASSERT_EQ(::stat(path.c_str(), &st), 0);
        SaveJournal journal;
        ASSERT_EQ(journal.begin(path, st.st_dev, st.st_ino, old, "new"),
                  SaveJournal::Begun::Written);
        WriteBytes(path, "torn" + old.substr(0, size / 2));

        const FileHandle read = OpenLastCompleteVersion(path);
        ASSERT_TRUE(read);
        std::string got(size + 10, '\0');
        got.resize(std::fread(got.data(), 1, got.size(), read.get()));
        EXPECT_EQ(got.size(), size);
        EXPECT_TRUE(got == old) << size;
        journal.finish();
    }
    ::unsetenv("XDG_STATE_HOME");
}
