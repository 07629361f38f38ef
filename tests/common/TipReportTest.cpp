#include "common/TipReport.h"

#include <gtest/gtest.h>

namespace {

struct ReportCase {
    const char* name;
    std::vector<Tip> tips;
    std::string report;
};

void PrintTo(const ReportCase& c, std::ostream* os)
{
    *os << c.name;
}

const char* const kCategories = "\r\n\r\n--- Number of Tips in each Category ---";
const char* const kDates = "\r\n\r\n--- Number of Tips in each Date ---";

class Report : public ::testing::TestWithParam<ReportCase> {};

} // namespace

TEST_P(Report, IsExactToTheByte)
{
    EXPECT_EQ(BuildReport(GetParam().tips), GetParam().report);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Report,
    ::testing::Values(
        ReportCase{"NoTips", {}, "There are 0 Tips."},
        ReportCase{"OneTip",
                   {{"03/04/10\n", "Love\n", "a\n"}},
                   std::string("There is 1 Tip.") + kCategories + "\r\n1\tLove" + kDates +
                       "\r\n1\t03/04/10"},
        ReportCase{"LoveFamilyLove",
                   {{"03/04/10\n", "Love\n", "a\n"},
                    {"03/04/10\n", "Family\n", "b\n"},
                    {"01/02/10\n", "Love\n", "c\n"}},
                   std::string("There are 3 Tips.") + kCategories + "\r\n1\tFamily\r\n2\tLove" +
                       kDates + "\r\n1\t01/02/10\r\n2\t03/04/10"},
        ReportCase{"LetterCaseCountsApartCapitalsFirst",
                   {{"d\n", "love\n", "a\n"}, {"d\n", "Love\n", "b\n"}, {"d\n", "love\n", "c\n"}},
                   std::string("There are 3 Tips.") + kCategories + "\r\n1\tLove\r\n2\tlove" +
                       kDates + "\r\n3\td"},
        ReportCase{"DatesSortAsTextNotByCalendar",
                   {{"12/01/99\n", "c\n", "a\n"}, {"02/03/24\n", "c\n", "b\n"}},
                   std::string("There are 2 Tips.") + kCategories + "\r\n2\tc" + kDates +
                       "\r\n1\t02/03/24\r\n1\t12/01/99"},
        ReportCase{"BytesAboveAsciiSortAfterIt",
                   {{"d\n", "\xC3\xA9t\xC3\xA9\n", "a\n"}, {"d\n", "zoo\n", "b\n"}},
                   std::string("There are 2 Tips.") + kCategories +
                       "\r\n1\tzoo\r\n1\t\xC3\xA9t\xC3\xA9" + kDates + "\r\n2\td"}));

TEST(Report, CountsEveryDistinctDateOfALargeCollection)
{
    std::vector<Tip> tips;
    for (int i = 0; i < 20000; ++i)
        tips.push_back({std::to_string(10000 + i % 5000) + "\n", "c\n", "t\n"});
    const std::string report = BuildReport(tips);
    EXPECT_NE(report.find("\r\n4\t10000\r\n4\t10001\r\n"), std::string::npos);
    EXPECT_TRUE(report.ends_with("\r\n4\t14999"));
}
