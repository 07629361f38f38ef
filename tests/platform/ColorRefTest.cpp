#include "platform/ColorRef.h"

#include <gtest/gtest.h>

namespace {

struct DecimalCase {
    std::string text;
    std::uint32_t value;
};

void PrintTo(const DecimalCase& c, std::ostream* os)
{
    *os << '"' << c.text << '"';
}

class ColorRefDecimal : public ::testing::TestWithParam<DecimalCase> {};

} // namespace

TEST_P(ColorRefDecimal, ReadsAsTheRuntimeReadsNumbers)
{
    EXPECT_EQ(ColorRef::fromDecimal(GetParam().text).value, GetParam().value)
        << GetParam().text.c_str();
}

INSTANTIATE_TEST_SUITE_P(Texts, ColorRefDecimal,
                         ::testing::Values(DecimalCase{"0", 0}, DecimalCase{"255", 255},
                                           DecimalCase{"12615935", 12615935}, DecimalCase{"", 0},
                                           DecimalCase{"pink", 0}, DecimalCase{"  42xyz", 42},
                                           DecimalCase{"+7", 7}, DecimalCase{"-1", 0xFFFFFFFFu},
                                           DecimalCase{"99999999999999999999999", 0x7FFFFFFFu},
                                           DecimalCase{"-99999999999999999999999", 0x80000000u},
                                           DecimalCase{std::string("12\0"
                                                                   "34",
                                                                   5),
                                                       12}));

TEST(ColorRef, LaysOutRedGreenBlueFromTheLowByte)
{
    const ColorRef pink = ColorRef::fromDecimal("12615935");
    EXPECT_EQ(pink, ColorRef::fromRgb(255, 128, 192));
    EXPECT_EQ(pink.toQColor(), QColor(255, 128, 192));
    EXPECT_EQ(ColorRef::fromQColor(QColor(0, 0, 255)).value, 0xFF0000u);
    EXPECT_EQ(pink.inverse(), ColorRef::fromRgb(0, 127, 63));
}

TEST(ColorRef, WritesWhatItReadsBack)
{
    for (const char* text : {"0", "255", "12615935", "16777215", "-1"})
        EXPECT_EQ(ColorRef::fromDecimal(text).toDecimal(), text);
}
