#include "common/Clock.h"
#include "common/MsRandom.h"
#include "common/TipsFormat.h"
#include "tests/support/TempDir.h"

#include <csignal>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Runs `save` in a child process so limits and lost rights stay there; root drops to
// "nobody" first, since root may write into any directory. Returns the child's status:
// 0 when the save reported failure, 1 when it claimed success.
int SaveInChild(const std::function<bool()>& save, const std::function<void()>& restrict)
{
    const pid_t child = ::fork();
    if (child == 0) {
        restrict();
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(2);
        ::_exit(save() ? 1 : 0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::vector<Tip> ManyTips()
{
    std::vector<Tip> tips(2000, Tip{"12/07/26\n", "General\n", std::string(200, 'x') + "\n"});
    return tips;
}

class SaveFailure : public ::testing::Test {
  protected:
    void SetUp() override
    {
        fs::permissions(dir.path(), fs::perms::all);
        ASSERT_TRUE(SaveTipsFile(path, DefaultTips(), random, clock).ok);
        fs::permissions(path, fs::perms::all); // the child may be another user
        before = ReadBytes(path);
    }
    void expectUntouched()
    {
        EXPECT_EQ(ReadBytes(path), before);
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1)
            << "a temporary file was left behind";
    }
    bool save() { return SaveTipsFile(path, ManyTips(), random, clock).ok; }

    TempDir dir;
    std::string path = dir.file(kTipsFileName);
    MsRandom random;
    FixedClock clock{0};
    std::string before;
};

} // namespace

TEST_F(SaveFailure, NoWritePermissionInTheDirectory)
{
    fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec |
                                    fs::perms::others_read | fs::perms::others_exec);
    EXPECT_EQ(SaveInChild([&] { return save(); }, [] {}), 0);
    fs::permissions(dir.path(), fs::perms::all);
    expectUntouched();
}

TEST_F(SaveFailure, FileSizeLimitReached)
{
    const auto limit = [] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit small{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &small);
    };
    EXPECT_EQ(SaveInChild([&] { return save(); }, limit), 0);
    expectUntouched();
}

TEST_F(SaveFailure, AKeptFileKeepsItsPermissions)
{
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(save());
    EXPECT_EQ(fs::status(path).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}
