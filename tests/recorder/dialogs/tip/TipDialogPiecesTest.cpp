#include "recorder/dialogs/tip/CategoryChoices.h"
#include "common/fields/DateChoices.h"
#include "common/fields/TipFieldText.h"
#include "tests/recorder/dialogs/DialogTestKit.h"

#include <gtest/gtest.h>

namespace {

struct DateCase {
    int year, month, day;
    QStringList expected;
};

class DateChoicesOf : public ::testing::TestWithParam<DateCase> {};

TEST_P(DateChoicesOf, FourFormsInOrder)
{
    const DateCase& c = GetParam();
    EXPECT_EQ(DateChoices(LocalNoon(c.year, c.month, c.day)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Dates, DateChoicesOf,
    ::testing::Values(DateCase{2026, 12, 7, {"12/07/26", "Dec  26", "2026", "07/12/26"}},
                      DateCase{2009, 1, 31, {"01/31/09", "Jan  09", "2009", "31/01/09"}},
                      // Two-digit 99 has always read as the last year of the old century.
                      DateCase{2099, 6, 15, {"06/15/99", "Jun  99", "1999", "15/06/99"}},
                      DateCase{2100, 2, 1, {"02/01/00", "Feb  00", "2000", "01/02/00"}}));

TEST(CategoryChoices, SortedWithoutRegardToCaseEachOnceInFirstForm)
{
    const TipCollection tips =
        TipsWithCategories({"work", "Family", "apple", "WORK", "family", "Zoo", "Work"});
    CategoryChoices choices(tips, tips.count());
    EXPECT_EQ(choices.entries(), QStringList({"apple", "Family", "work", "Zoo"}));

    EXPECT_EQ(choices.add("general"), 2);
    EXPECT_EQ(choices.add("GENERAL"), -1);
    EXPECT_EQ(choices.entries(), QStringList({"apple", "Family", "general", "work", "Zoo"}));
}

TEST(CategoryChoices, ReadsOnlyTheGivenNumberOfTips)
{
    const TipCollection tips = TipsWithCategories({"b", "a", "c"});
    EXPECT_EQ(CategoryChoices(tips, 2).entries(), QStringList({"a", "b"}));
    EXPECT_TRUE(CategoryChoices(tips, 0).entries().isEmpty());
    EXPECT_EQ(CategoryChoices(tips, 99).entries().size(), 3);
}

TEST(TipFieldText, LineBreaksTravelAsCarriageReturnLineFeed)
{
    EXPECT_EQ(PartFromBoxText("one\ntwo"), "one\r\ntwo\n");
    EXPECT_EQ(BoxTextFromPart("one\r\ntwo\n"), "one\ntwo");
    EXPECT_EQ(PartFromBoxText(BoxTextFromPart("a\r\nb\r\n\n")), "a\r\nb\r\n\n");
    EXPECT_EQ(BoxTextFromPart(""), "");
    EXPECT_EQ(PartFromBoxText(QString::fromUtf8("caf\u00e9")), "caf\u00e9\n");
}

TEST(TipFieldText, VisibleLengthCountsWhatTheUserSees)
{
    EXPECT_EQ(VisibleLength("abc"), 3);
    EXPECT_EQ(VisibleLength(QString::fromUtf8("e\u0301t\u00e9")), 3); // combining accent
    EXPECT_EQ(VisibleLength(QString::fromUtf8("\U0001F600x")), 2);    // surrogate pair
    EXPECT_EQ(VisibleLength(""), 0);
}

} // namespace
