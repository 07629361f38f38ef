#include "common/Clock.h"
#include "common/FileSystemCalls.h"
#include "common/MsRandom.h"
#include "common/TipsFormat.h"
#include "tests/support/OtherUser.h"
#include "tests/support/TempDir.h"
#include "tests/support/TipPrinting.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <set>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::vector<Tip> ManyTips()
{
    return std::vector<Tip>(2000, Tip{"12/07/26\n", "General\n", std::string(200, 'x') + "\n"});
}

int EntriesIn(const std::string& directory)
{
    return static_cast<int>(
        std::distance(fs::directory_iterator(directory), fs::directory_iterator()));
}

unsigned ModeOf(const std::string& path)
{
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_mode & 07777;
}

class AtomicFile : public ::testing::Test {
  protected:
    void SetUp() override
    {
        fs::permissions(dir.path(), fs::perms::all); // "nobody" must reach the files
        ASSERT_TRUE(save(DefaultTips()).ok);
        ::chmod(path.c_str(), 0666);
        before = ReadBytes(path);
    }
    SaveResult save(const std::vector<Tip>& tips = ManyTips(), const SaveOptions& options = {})
    {
        return SaveTipsFile(path, tips, random, clock, options);
    }
    std::vector<Tip> load(const std::string& file)
    {
        TipsFileContent content;
        EXPECT_TRUE(LoadTipsFile(file, content, random, clock));
        return content.tips;
    }
    void expectUntouched()
    {
        EXPECT_EQ(ReadBytes(path), before);
        EXPECT_EQ(EntriesIn(dir.path()), 1) << "a new file was left behind";
    }

    TempDir dir;
    std::string path = dir.file(kTipsFileName);
    MsRandom random;
    FixedClock clock{0};
    std::string before;
};

} // namespace

TEST_F(AtomicFile, ALinkStaysALinkAndOneToNothingIsRefused)
{
    const std::string synced = dir.file("synced");
    fs::create_directory(synced);
    fs::rename(path, synced + "/tips.ini");
    fs::create_symlink("synced/tips.ini", path);
    ASSERT_TRUE(save().ok);
    EXPECT_TRUE(fs::is_symlink(path));
    EXPECT_EQ(load(synced + "/tips.ini"), ManyTips());
    EXPECT_EQ(EntriesIn(synced), 1);

    fs::remove(synced + "/tips.ini");
    const SaveResult dangling = save();
    EXPECT_FALSE(dangling.ok);
    EXPECT_THAT(dangling.error, ::testing::HasSubstr("does not exist"));
    EXPECT_TRUE(fs::is_symlink(path));
    EXPECT_EQ(EntriesIn(synced), 0) << "no file may appear in the link's place";
}

TEST_F(AtomicFile, KeepsModeOwnerAndGroupAndMakesNewFilesPrivate)
{
    for (unsigned mode : {0600u, 0640u, 0604u, 0664u, 0620u}) {
        ::chmod(path.c_str(), mode);
        ASSERT_TRUE(save().ok);
        EXPECT_EQ(ModeOf(path), mode);
    }
    fs::remove(path);
    const mode_t umask = ::umask(0);
    ASSERT_TRUE(save().ok);
    ::umask(umask);
    EXPECT_EQ(ModeOf(path), 0600u);

    if (::geteuid() != 0)
        GTEST_SKIP() << "keeping another user's ownership needs root";
    ASSERT_EQ(::chown(path.c_str(), kNobody, kNoGroup), 0);
    ASSERT_TRUE(save().ok);
    struct stat st {};
    ::stat(path.c_str(), &st);
    EXPECT_EQ(st.st_uid, kNobody);
    EXPECT_EQ(st.st_gid, kNoGroup);
}

TEST_F(AtomicFile, AReadOnlyFolderFallsBackToRewritingAWritableFile)
{
    ::chmod(dir.path().c_str(), 0555);
    const int writable = RunAsNobody([&] {
        const SaveResult result = save();
        return result.ok && result.written == IdentityOf(path) ? 0 : 1;
    });
    if (writable == kCannotSwitchUser)
        GTEST_SKIP() << "needs root to act as \"nobody\", for whom permission bits apply";
    EXPECT_EQ(writable, 0);
    EXPECT_EQ(load(path), ManyTips());

    ::chmod(path.c_str(), 0444);
    before = ReadBytes(path);
    EXPECT_EQ(RunAsNobody([&] { return save(DefaultTips()).ok ? 1 : 0; }), 0);
    ::chmod(dir.path().c_str(), 0777);
    expectUntouched();
}

TEST_F(AtomicFile, RemovesAbandonedNewFilesButNotOnesInUse)
{
    const std::string abandoned = path + ".new-123";
    const std::string inUse = path + ".new-456";
    WriteBytes(abandoned, "half a save");
    WriteBytes(inUse, "a save in progress");
    const int held = ::open(inUse.c_str(), O_RDONLY);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    ASSERT_TRUE(save().ok);
    EXPECT_FALSE(fs::exists(abandoned));
    EXPECT_TRUE(fs::exists(inUse));
    ::close(held);
    RemoveLeftoverNewFiles(path);
    EXPECT_EQ(EntriesIn(dir.path()), 1);
}

TEST_F(AtomicFile, RefusesToReplaceAFileChangedSinceItWasRead)
{
    const std::optional<FileIdentity> read = IdentityOf(path);
    ASSERT_TRUE(read);
    WriteBytes(path, before + "z7k3w1x9j4q2\n1\n2\n(3\n");
    const SaveResult refused = save(ManyTips(), {read});
    EXPECT_FALSE(refused.ok);
    EXPECT_TRUE(refused.changedOnDisk);
    EXPECT_EQ(ReadBytes(path), before + "z7k3w1x9j4q2\n1\n2\n(3\n");

    const SaveResult saved = save(ManyTips(), {IdentityOf(path)});
    EXPECT_TRUE(saved.ok);
    EXPECT_EQ(saved.written, IdentityOf(path));

    // Rewritten in place with the same size and its modification time put back, as
    // cp -p or touch -r leave it: only the change time tells.
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    std::string same = ReadBytes(path);
    same.back() = same.back() == 'x' ? 'y' : 'x';
    {
        std::FILE* file = std::fopen(path.c_str(), "r+b");
        std::fwrite(same.data(), 1, same.size(), file);
        std::fclose(file);
    }
    const struct timespec times[2] = {st.st_atim, st.st_mtim};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
    const SaveResult overRewrite = save(DefaultTips(), {saved.written});
    EXPECT_TRUE(overRewrite.changedOnDisk);
    EXPECT_EQ(ReadBytes(path), same);
}

// Makes each system call of a save fail in turn: every failure before the rename must
// leave the old file byte for byte and say what failed; after it, the save stands.
TEST_F(AtomicFile, EveryFailingCallLeavesTheOldFileAndIsReported)
{
    std::set<std::string> failedCalls;
    for (int n = 1;; ++n) {
        const int callsBefore = FileCallsMade();
        FailNthFileCall(n, EIO);
        const SaveResult result = save();
        FailNthFileCall(0, 0);
        if (FileCallsMade() - callsBefore < n) {
            EXPECT_TRUE(result.ok);
            break;
        }
        failedCalls.insert(FailedFileCallName());
        if (result.ok) {
            EXPECT_EQ(load(path), ManyTips()) << "call " << n;
            ASSERT_TRUE(SaveTipsFile(path, DefaultTips(), random, clock).ok);
            before = ReadBytes(path);
        } else {
            EXPECT_THAT(result.error, ::testing::HasSubstr(kTipsFileName)) << "call " << n;
            EXPECT_EQ(ReadBytes(path), before)
                << "call " << n << " (" << FailedFileCallName() << ")";
        }
        EXPECT_EQ(EntriesIn(dir.path()), 1) << "call " << n;
    }
    EXPECT_THAT(failedCalls,
                ::testing::IsSupersetOf({"open", "write", "fsync", "fchmod", "rename"}));
}

TEST_F(AtomicFile, AFileSizeLimitFailsTheSaveInsteadOfEndingTheProgram)
{
    const int status = RunInChild([&] {
        const rlimit small{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &small);
        const SaveResult result = save();
        return !result.ok && result.error.find("too large") != std::string::npos ? 0 : 1;
    });
    EXPECT_EQ(status, 0) << "-1: the process was killed by the limit";
    expectUntouched();
}
