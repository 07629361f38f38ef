#include "common/TipsAsText.h"
#include "tests/support/AsNobody.h"
#include "tests/support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

struct ExportCase {
    const char* name;
    std::vector<Tip> tips;
    std::string bytes;
};

void PrintTo(const ExportCase& c, std::ostream* os)
{
    *os << c.name;
}

class Export : public ::testing::TestWithParam<ExportCase> {};

} // namespace

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
    ::testing::Values(ExportCase{"NoTips", {}, ""},
                      ExportCase{"OneTipStartsWithItsNumberAndHasNoCategory",
                                 {{"03/04/10\n", "Love\n", "Be kind.\n"}},
                                 "Tip #1\r\n03/04/10\r\nBe kind.\r\n"},
                      ExportCase{
                          "LoveFamilyLove",
                          {{"03/04/10\n", "Love\n", "One\n"},
                           {"03/04/10\n", "Family\n", "Two\n"},
                           {"01/02/10\n", "Love\n", "Three\n"}},
                          "Tip #1\r\n03/04/10\r\nOne\r\n\r\nTip #2\r\n03/04/10\r\nTwo\r\n\r\n"
                          "Tip #3\r\n01/02/10\r\nThree\r\n"},
                      ExportCase{"TypedLineBreakBecomesCrCrLf",
                                 {{"d\n", "c\n", "first\r\nsecond\n"}},
                                 "Tip #1\r\nd\r\nfirst\r\r\nsecond\r\n"},
                      ExportCase{"NulBytesAndMissingLineEndsPassThrough",
                                 {{"d", "c\n", std::string("a\0b", 3)}, {"d\n", "c\n", "x\n"}},
                                 std::string("Tip #1\r\nda\0b", 12) + "\r\nTip #2\r\nd\r\nx\r\n"}));

TEST(Export, FailureInAReadOnlyDirectoryNamesTheFileAndKeepsTheOldOne)
{
    TempDir dir;
    const std::string path = dir.file("Pennivel.txt");
    WriteBytes(path, "old export");
    fs::permissions(dir.path(),
                    fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);
    const int status = ExitStatusAsNobody([&] {
        const std::string error = WriteTipsAsText({{"d\n", "c\n", "t\n"}}, path);
        return error.find(path) != std::string::npos &&
                       error.find("Permission denied") != std::string::npos
                   ? 0
                   : 1;
    });
    fs::permissions(dir.path(), fs::perms::owner_all);
    EXPECT_EQ(status, 0) << "the failure did not name the file and the reason";
    EXPECT_EQ(ReadBytes(path), "old export");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}
