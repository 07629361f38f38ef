#include "common/TipReport.h"
#include "common/TipsAsText.h"
#include "tests/support/OtherUser.h"
#include "tests/support/TempDir.h"

#include <filesystem>
#include <sys/stat.h>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

// A collection and the exact bytes expected from it.
struct TipsCase {
    const char* name;
    std::vector<Tip> tips;
    std::string bytes;
};

std::string CaseName(const ::testing::TestParamInfo<TipsCase>& info)
{
    return info.param.name;
}

const char* const kCategories = "\r\n\r\n--- Number of Tips in each Category ---";
const char* const kDates = "\r\n\r\n--- Number of Tips in each Date ---";

class Report : public ::testing::TestWithParam<TipsCase> {};
class Export : public ::testing::TestWithParam<TipsCase> {};

} // namespace

TEST_P(Report, IsExactToTheByte)
{
    EXPECT_EQ(BuildReport(GetParam().tips), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Report,
    ::testing::Values(
        TipsCase{"NoTips", {}, "There are 0 Tips."},
        TipsCase{"OneTip",
                 {{"03/04/10\n", "Love\n", "a\n"}},
                 std::string("There is 1 Tip.") + kCategories + "\r\n1\tLove" + kDates +
                     "\r\n1\t03/04/10"},
        TipsCase{"LoveFamilyLove",
                 {{"03/04/10\n", "Love\n", "a\n"},
                  {"03/04/10\n", "Family\n", "b\n"},
                  {"01/02/10\n", "Love\n", "c\n"}},
                 std::string("There are 3 Tips.") + kCategories + "\r\n1\tFamily\r\n2\tLove" +
                     kDates + "\r\n1\t01/02/10\r\n2\t03/04/10"},
        TipsCase{"LetterCaseCountsApartCapitalsFirst",
                 {{"d\n", "love\n", "a\n"}, {"d\n", "Love\n", "b\n"}, {"d\n", "love\n", "c\n"}},
                 std::string("There are 3 Tips.") + kCategories + "\r\n1\tLove\r\n2\tlove" +
                     kDates + "\r\n3\td"},
        TipsCase{"DatesSortAsTextNotByCalendar",
                 {{"12/01/99\n", "c\n", "a\n"}, {"02/03/24\n", "c\n", "b\n"}},
                 std::string("There are 2 Tips.") + kCategories + "\r\n2\tc" + kDates +
                     "\r\n1\t02/03/24\r\n1\t12/01/99"},
        TipsCase{"BytesAboveAsciiSortAfterIt",
                 {{"d\n", "\xC3\xA9t\xC3\xA9\n", "a\n"}, {"d\n", "zoo\n", "b\n"}},
                 std::string("There are 2 Tips.") + kCategories +
                     "\r\n1\tzoo\r\n1\t\xC3\xA9t\xC3\xA9" + kDates + "\r\n2\td"}),
    CaseName);

TEST_P(Export, WritesTheFileToTheByte)
{
    TempDir dir;
    const std::string path = dir.file("Pennivel.txt");
    WriteBytes(path, "an older, longer export that must go away entirely");
    ASSERT_EQ(WriteTipsAsText(GetParam().tips, path), "");
    EXPECT_EQ(ReadBytes(path), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Export,
    ::testing::Values(TipsCase{"NoTips", {}, ""},
                      TipsCase{"OneTipStartsWithItsNumberAndHasNoCategory",
                               {{"03/04/10\n", "Love\n", "Be kind.\n"}},
                               "Tip #1\r\n03/04/10\r\nBe kind.\r\n"},
                      TipsCase{"LoveFamilyLove",
                               {{"03/04/10\n", "Love\n", "One\n"},
                                {"03/04/10\n", "Family\n", "Two\n"},
                                {"01/02/10\n", "Love\n", "Three\n"}},
                               "Tip #1\r\n03/04/10\r\nOne\r\n\r\nTip #2\r\n03/04/10\r\nTwo\r\n\r\n"
                               "Tip #3\r\n01/02/10\r\nThree\r\n"},
                      TipsCase{"TypedLineBreakBecomesCrCrLf",
                               {{"d\n", "c\n", "first\r\nsecond\n"}},
                               "Tip #1\r\nd\r\nfirst\r\r\nsecond\r\n"},
                      TipsCase{"NulBytesAndMissingLineEndsPassThrough",
                               {{"d", "c\n", std::string("a\0b", 3)}, {"d\n", "c\n", "x\n"}},
                               std::string("Tip #1\r\nda\0b", 12) + "\r\nTip #2\r\nd\r\nx\r\n"}),
    CaseName);

TEST(Export, FailureInAReadOnlyDirectoryNamesTheFileAndKeepsTheOldOne)
{
    TempDir dir;
    const std::string path = dir.file("Pennivel.txt");
    WriteBytes(path, "old export");
    fs::permissions(dir.path(),
                    fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);
    const int status = RunAsNobody([&] {
        const std::string error = WriteTipsAsText({{"d\n", "c\n", "t\n"}}, path);
        return error.find(path) != std::string::npos &&
                       error.find("Permission denied") != std::string::npos
                   ? 0
                   : 1;
    });
    fs::permissions(dir.path(), fs::perms::owner_all);
    if (status == kCannotSwitchUser)
        GTEST_SKIP() << "needs root to act as \"nobody\", for whom permission bits apply";
    EXPECT_EQ(status, 0) << "the failure did not name the file and the reason";
    EXPECT_EQ(ReadBytes(path), "old export");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

// An export is a document the user hands on: a new one is as readable as the umask says,
// a replaced one keeps the mode it had.
TEST(Export, NewFileFollowsTheUmaskAndAnOldOneKeepsItsMode)
{
    TempDir dir;
    const std::string fresh = dir.file("new.txt");
    const std::string old = dir.file("old.txt");
    WriteBytes(old, "old export");
    fs::permissions(old, fs::perms::owner_read | fs::perms::owner_write);
    const mode_t before = ::umask(022);
    const std::string freshError = WriteTipsAsText({{"d\n", "c\n", "t\n"}}, fresh);
    const std::string oldError = WriteTipsAsText({{"d\n", "c\n", "t\n"}}, old);
    ::umask(before);
    ASSERT_EQ(freshError, "");
    ASSERT_EQ(oldError, "");
    EXPECT_EQ(fs::status(fresh).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                  fs::perms::others_read);
    EXPECT_EQ(fs::status(old).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
}
