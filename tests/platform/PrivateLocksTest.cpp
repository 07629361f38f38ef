#include "common/PrivateDirectory.h"
#include "platform/DataDirectoryLock.h"
#include "platform/SingleInstance.h"
#include "tests/support/OtherUser.h"
#include "tests/support/TempDir.h"

#include <QByteArray>
#include <QFile>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Sets one environment variable for a case and puts the old value back.
class EnvVar {
  public:
    EnvVar(const char* name, const std::string& value) : m_name(name), m_old(qgetenv(name))
    {
        qputenv(name, QByteArray::fromStdString(value));
    }
    ~EnvVar() { qputenv(m_name, m_old); }

  private:
    const char* m_name;
    QByteArray m_old;
};

// What another local user leaves in the way before the data directory is locked.
struct PlantedLock {
    const char* name;
    bool (*plant)(const std::string& dir, int& heldFd); // false: cannot be set up here
};

int HoldFlock(const std::string& path, int flags)
{
    const int fd = ::open(path.c_str(), flags | O_CLOEXEC, 0644);
    if (fd >= 0)
        ::flock(fd, LOCK_EX | LOCK_NB);
    return fd;
}

const PlantedLock kPlanted[] = {
    {"FlockOnTheDirectoryItself",
     [](const std::string& dir, int& fd) {
         fd = HoldFlock(dir, O_RDONLY | O_DIRECTORY);
         return true;
     }},
    {"HeldLockFileOfAnotherOwner",
     [](const std::string& dir, int& fd) {
         const std::string lock = dir + "/" + DataDirectoryLock::kFileName;
         fd = HoldFlock(lock, O_RDWR | O_CREAT);
         return ::fchown(fd, kNobody, kNoGroup) == 0;
     }},
    {"LinkToAFileOfAnotherOwner",
     [](const std::string& dir, int& fd) {
         const std::string target = dir + "/elsewhere";
         fd = HoldFlock(target, O_RDWR | O_CREAT);
         return ::fchown(fd, kNobody, kNoGroup) == 0 &&
                ::symlink(target.c_str(), (dir + "/" + DataDirectoryLock::kFileName).c_str()) == 0;
     }},
    {"DirectoryWhereTheLockFileBelongs",
     [](const std::string& dir, int& fd) {
         fd = -1;
         return ::mkdir((dir + "/" + DataDirectoryLock::kFileName).c_str(), 0755) == 0;
     }},
};

class PlantedDataLock : public ::testing::TestWithParam<PlantedLock> {};

} // namespace

TEST_P(PlantedDataLock, NeverKeepsTheOwnerOutAndTheOwnLockStillExcludes)
{
    TempDir home;
    EnvVar state("XDG_STATE_HOME", home.file("state"));
    const std::string dir = home.file("Pennivel");
    ASSERT_TRUE(MakeDirectories(dir));
    int planted = -1;
    if (!GetParam().plant(dir, planted))
        GTEST_SKIP() << "needs root to leave files owned by the user nobody";

    DataDirectoryLock first(dir);
    EXPECT_EQ(first.state(), DataDirectoryLock::State::Held);
    struct stat st {};
    ASSERT_EQ(::lstat(first.lockPath().c_str(), &st), 0);
    EXPECT_TRUE(S_ISREG(st.st_mode));
    EXPECT_EQ(st.st_uid, ::geteuid());
    EXPECT_EQ(st.st_mode & 077, 0u);

    DataDirectoryLock second(dir);
    EXPECT_EQ(second.state(), DataDirectoryLock::State::HeldByOther);
    EXPECT_NE(second.holder().find("process " + std::to_string(::getpid())), std::string::npos)
        << second.holder();
    if (planted >= 0)
        ::close(planted);
}

INSTANTIATE_TEST_SUITE_P(Cases, PlantedDataLock, ::testing::ValuesIn(kPlanted),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PrivateLocks, AnotherUserCannotTakeTheDataDirectoryLockOfASharedFolder)
{
    TempDir home;
    const std::string dir = home.file("Shared");
    ASSERT_TRUE(MakeDirectories(dir));
    ::chmod(home.path().c_str(), 0755);
    ::chmod(dir.c_str(), 0755); // the user made it shared, and it stays so
    DataDirectoryLock mine(dir);
    ASSERT_EQ(mine.state(), DataDirectoryLock::State::Held);
    const int taken = RunAsNobody([&] {
        const int fd = ::open(mine.lockPath().c_str(), O_RDONLY | O_CLOEXEC);
        return fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0 ? 1 : 0;
    });
    if (taken == kCannotSwitchUser)
        GTEST_SKIP() << "needs root to run a part as the user nobody";
    EXPECT_EQ(taken, 0);
}

TEST(PrivateLocks, NewDirectoriesArePrivateAndExistingOnesKeepTheirMode)
{
    TempDir home;
    ::chmod(home.path().c_str(), 0755);
    const std::string deep = home.file("a/b/c");
    ASSERT_TRUE(MakeDirectories(deep));
    struct stat st {};
    for (const std::string& made : {home.file("a"), home.file("a/b"), deep}) {
        ASSERT_EQ(::stat(made.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0700u) << made;
    }
    ASSERT_TRUE(MakeDirectories(home.path()));
    ASSERT_EQ(::stat(home.path().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0755u);
    EXPECT_FALSE(IsPrivateDirectory(home.path()));
    EXPECT_TRUE(PrivateDirectory(home.path()).empty());
    ASSERT_EQ(::symlink(deep.c_str(), home.file("link").c_str()), 0);
    EXPECT_FALSE(IsPrivateDirectory(home.file("link")));
}

TEST(PrivateLocks, ARuntimeDirectoryOfAnotherUserIsNotUsedAndNoLockThereBlocks)
{
    TempDir home;
    // Without a usable runtime directory Qt falls back to <temp>/runtime-<user>; another
    // user made both first, and planted a lock naming a process that runs.
    const std::string planted = home.file("runtime");
    EnvVar runtime("XDG_RUNTIME_DIR", planted);
    EnvVar temp("TMPDIR", home.path());
    EnvVar cache("XDG_CACHE_HOME", home.file("cache"));
    const passwd* me = ::getpwuid(::getuid());
    ASSERT_NE(me, nullptr);
    for (const std::string& dir : {planted, home.file(std::string("runtime-") + me->pw_name)}) {
        ASSERT_TRUE(MakeDirectories(dir));
        ::chmod(dir.c_str(), 0777);
        WriteBytes(dir + "/PennivelPlanted-" + std::to_string(::getuid()) + ".lock",
                   "1\nPennivel\nhost\n");
        if (::chown(dir.c_str(), kNobody, kNoGroup) != 0)
            GTEST_SKIP() << "needs root to give a directory to the user nobody";
    }
    SingleInstance first(QStringLiteral("PennivelPlanted"));
    EXPECT_TRUE(first.lockPath().startsWith(QString::fromStdString(home.file("cache"))))
        << first.lockPath().toStdString();
    ASSERT_TRUE(first.claim());
    SingleInstance second(QStringLiteral("PennivelPlanted"));
    EXPECT_FALSE(second.claim());
}
