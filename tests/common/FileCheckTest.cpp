#include "common/FirstLineCheck.h"
#include "tests/support/OtherUser.h"
#include "tests/support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct CheckCase {
    const char* name;
    std::string content;
    std::uint32_t tipsCode;
    std::uint32_t settingsCode;
};

void PrintTo(const CheckCase& c, std::ostream* os)
{
    *os << c.name;
}

class FileCheckContent : public ::testing::TestWithParam<CheckCase> {};

} // namespace

TEST_P(FileCheckContent, GivesTheCodeOfEachMember)
{
    TempDir dir;
    const std::string path = dir.file("f.ini");
    WriteBytes(path, GetParam().content);
    EXPECT_EQ(CheckTipsFile(path), GetParam().tipsCode);
    EXPECT_EQ(CheckSettingsFile(path), GetParam().settingsCode);
}

INSTANTIATE_TEST_SUITE_P(
    Contents, FileCheckContent,
    ::testing::Values(CheckCase{"Empty", "", 4, 2},
                      CheckCase{"BlankOnly", "\n  \t\r\n\v\f\n", 4, 2},
                      CheckCase{"MarkerAfterBlanks", "\n\n  z7k3w1x9j4q2\n", 0, 1},
                      CheckCase{"MarkerInsideLine", "xxz7k3w1x9j4q2yy\nwhatever", 0, 1},
                      CheckCase{"Foreign", "hello\nz7k3w1x9j4q2\n", 1, 1},
                      CheckCase{"SettingsKey", "\r\n\r\nUse All Tips=\r\n1\r\n", 1, 0},
                      CheckCase{"OtherFirstKey", "Timer=\r\n", 1, 1},
                      CheckCase{"KeyInLowerCase", "use all tips=\n", 1, 1},
                      CheckCase{"NeedleBeyondFirstPiece",
                                std::string(1009, 'a') + "Use All Tipsz7k3w1x9j4q2" +
                                    std::string(170, 'b'),
                                1, 1},
                      CheckCase{"NulIsData", std::string("\0z7k3w1x9j4q2\n", 14), 0, 1}),
    [](const auto& info) { return info.param.name; });

TEST(FileCheck, PathsAndRights)
{
    TempDir dir;
    EXPECT_EQ(CheckTipsFile(""), 3u);
    EXPECT_EQ(CheckSettingsFile(""), 2u);
    EXPECT_EQ(CheckTipsFile(dir.file("missing.ini")), 2u);
    EXPECT_EQ(CheckSettingsFile(dir.file("missing.ini")), 2u);
    EXPECT_EQ(CheckTipsFile(dir.path()), 3u); // a directory is not a file to use

    const std::string longPath = dir.path() + "/" + std::string(260 - dir.path().size() - 1, 'x');
    ASSERT_EQ(longPath.size(), 260u);
    EXPECT_EQ(CheckTipsFile(longPath), 3u);
    EXPECT_EQ(CheckSettingsFile(longPath), 3u);
    EXPECT_EQ(CheckTipsFile(longPath.substr(0, 259)), 2u);

    const std::string readOnly = dir.file("ro.ini");
    WriteBytes(readOnly, "Use All Tips=\nz7k3w1x9j4q2\n");
    fs::permissions(readOnly, fs::perms::owner_read | fs::perms::group_read);
    EXPECT_EQ(CheckTipsFile(readOnly), 3u);
    EXPECT_EQ(CheckSettingsFile(readOnly), 3u);
}

namespace {

struct PathCase {
    const char* name;
    const char* path; // inside the test directory, which holds "plain" and "marked"
    std::uint32_t code;
};

void PrintTo(const PathCase& c, std::ostream* os)
{
    *os << c.name;
}

class FileCheckPath : public ::testing::TestWithParam<PathCase> {};

struct RightsCase {
    const char* name;
    unsigned mode; // of a file owned by root and group 4242
    bool inGroup;  // whether the caller is a member of group 4242
    std::uint32_t code;
};

void PrintTo(const RightsCase& c, std::ostream* os)
{
    *os << c.name;
}

class FileCheckRights : public ::testing::TestWithParam<RightsCase> {};

} // namespace

// Only "no such file" is missing; every other way a path can fail makes it unusable.
TEST_P(FileCheckPath, OnlyANonexistentFileIsMissing)
{
    TempDir dir;
    WriteBytes(dir.file("plain"), "z7k3w1x9j4q2\n");
    fs::create_symlink("nowhere", dir.file("dangling"));
    fs::create_symlink("loop", dir.file("loop"));
    EXPECT_EQ(CheckTipsFile(dir.file(GetParam().path)), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(Paths, FileCheckPath,
                         ::testing::Values(PathCase{"Present", "plain", 0},
                                           PathCase{"Missing", "absent", 2},
                                           PathCase{"MissingFolder", "absent/tips.ini", 2},
                                           PathCase{"ThroughAPlainFile", "plain/tips.ini", 3},
                                           PathCase{"LinkToNothing", "dangling", 3},
                                           PathCase{"LoopOfLinks", "loop", 3}),
                         [](const auto& info) { return info.param.name; });

// The caller's own rights decide, group membership included, as the system sees them.
TEST_P(FileCheckRights, AsksTheSystemForTheCallersRights)
{
    constexpr gid_t kGroup = 4242;
    TempDir dir;
    fs::permissions(dir.path(), fs::perms::all);
    const std::string path = dir.file("tips.ini");
    WriteBytes(path, "z7k3w1x9j4q2\n");
    ASSERT_EQ(::chown(path.c_str(), 0, kGroup), ::geteuid() == 0 ? 0 : -1);
    ::chmod(path.c_str(), GetParam().mode);
    const std::vector<gid_t> groups =
        GetParam().inGroup ? std::vector<gid_t>{kGroup} : std::vector<gid_t>{};
    const int code = RunAsNobody([&] { return static_cast<int>(CheckTipsFile(path)); }, groups);
    if (code == kCannotSwitchUser)
        GTEST_SKIP() << "needs root to act as \"nobody\", for whom permission bits apply";
    EXPECT_EQ(code, static_cast<int>(GetParam().code));
}

INSTANTIATE_TEST_SUITE_P(Rights, FileCheckRights,
                         ::testing::Values(RightsCase{"GroupMayWriteOwnerMayNot", 0460, true, 0},
                                           RightsCase{"GroupMayOnlyRead", 0640, true, 3},
                                           RightsCase{"NotInTheGroup", 0660, false, 3},
                                           RightsCase{"OthersMayWrite", 0606, false, 0},
                                           RightsCase{"NobodyMayWriteNotEvenRoot", 0444, true, 3}),
                         [](const auto& info) { return info.param.name; });
