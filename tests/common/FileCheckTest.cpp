#include "common/FirstLineCheck.h"
#include "tests/support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

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
