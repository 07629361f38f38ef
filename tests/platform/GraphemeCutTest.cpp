#include "platform/GraphemeCut.h"

#include <gtest/gtest.h>

namespace {

struct CutCase {
    const char* name;
    QString text;
    qsizetype count;
    bool whole;
    QString kept;
};

void PrintTo(const CutCase& c, std::ostream* os)
{
    *os << c.name;
}

class GraphemeCut : public ::testing::TestWithParam<CutCase> {};

const QString kFamily = QStringLiteral("👨‍👩‍👧");

} // namespace

TEST_P(GraphemeCut, KeepsOnlyWholeGraphemes)
{
    const CutCase& c = GetParam();
    EXPECT_EQ(FirstWholeGraphemes(c.text, c.count, c.whole), c.kept);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, GraphemeCut,
    ::testing::Values(
        CutCase{"ShortTextWhole", QStringLiteral("abc"), 10, true, QStringLiteral("abc")},
        CutCase{"CutBetweenLetters", QStringLiteral("abcdef"), 4, true, QStringLiteral("abcd")},
        CutCase{"AccentStaysWithItsLetter", QStringLiteral("abe\u0301f"), 3, true,
                QStringLiteral("ab")},
        CutCase{"CutAfterTheAccent", QStringLiteral("abe\u0301f"), 4, true,
                QStringLiteral("abe\u0301")},
        CutCase{"EmojiSequenceStaysWhole", QStringLiteral("a") + kFamily, 3, true,
                QStringLiteral("a")},
        CutCase{"SurrogatePairCountsOnce", QStringLiteral("😀😀x"), 2, true, QStringLiteral("😀😀")},
        CutCase{"PartOfALongerTextDropsItsLastGrapheme", QStringLiteral("abe"), 10, false,
                QStringLiteral("ab")},
        CutCase{"NothingWanted", QStringLiteral("abc"), 0, true, QString()}),
    [](const auto& info) { return std::string(info.param.name); });
