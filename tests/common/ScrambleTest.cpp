#include "common/Scramble.h"
#include "common/Clock.h"
#include "common/MsRandom.h"
#include "common/PasswordScramble.h"

#include <gtest/gtest.h>

namespace {

// A generator state whose next draw makes a scrambling pass pick `seed`.
MsRandom RandomGivingSeed(int seed)
{
    for (std::uint32_t s = 0;; ++s) {
        MsRandom probe;
        probe.seed(s);
        if (DrawSeed(probe) == seed) {
            MsRandom random;
            random.seed(s);
            return random;
        }
    }
}

} // namespace

TEST(MsRandom, ReproducesTheRuntimeSequence)
{
    MsRandom random;
    random.seed(1);
    EXPECT_EQ(random.next(), 41);

    random.seed(65);
    for (int expected : {250, 18237, 2761, 26456, 23942})
        EXPECT_EQ(random.next(), expected);

    // A negative seed is its 32-bit two's complement.
    MsRandom a, b;
    a.seed(static_cast<std::uint32_t>(-3));
    b.seed(0xFFFFFFFDu);
    EXPECT_EQ(a.next(), b.next());
}

TEST(MsRandom, TimeSeedUsesTheLastThreeDigitsOfTheClock)
{
    MsRandom random, expected;
    TimeSeed(random, FixedClock(1'700'000'123));
    expected.seed(123000);
    EXPECT_EQ(random.next(), expected.next());
}

TEST(Scramble, KnownBytesForSeed40)
{
    MsRandom random = RandomGivingSeed(40);
    EXPECT_EQ(ScrambleText("abc\n", random), std::string("\x28\x62\x66\x68\x0A"));

    EXPECT_EQ(UnscrambleText("\x28\x62\x66\x68\x0A", random), "abc\n");
}

TEST(Scramble, LineShapes)
{
    MsRandom random;
    const std::string single = ScrambleText("\n", random);
    ASSERT_EQ(single.size(), 2u);
    EXPECT_GE(single[0], 40);
    EXPECT_LE(single[0], 120);
    EXPECT_EQ(single[1], '\n');
    EXPECT_EQ(UnscrambleText(single, random), "\n");

    // Typed line breaks never become line ends of the file.
    const std::string crlf = "first line\r\nsecond line\n";
    const std::string line = ScrambleText(crlf, random);
    EXPECT_EQ(line.find_first_of("\r\n"), line.size() - 1);
    EXPECT_EQ(UnscrambleText(line, random), crlf);
}

TEST(Scramble, DamagedLinesAreHandledWithoutFault)
{
    MsRandom random;
    EXPECT_EQ(UnscrambleText("", random), "");
    EXPECT_EQ(UnscrambleText("(", random), "");
    // A line cut short keeps its last byte as read.
    const std::string cut = ScrambleText("cut short here\n", random).substr(0, 6);
    const std::string text = UnscrambleText(cut, random);
    ASSERT_EQ(text.size(), 5u);
    EXPECT_EQ(text.substr(0, 4), "cut ");
    EXPECT_EQ(text[4], cut[5]);
    // A seed byte above 127 is read as a negative seed, not rejected.
    EXPECT_EQ(UnscrambleText("\xF0xyz\n", random).size(), 4u);
}

TEST(PasswordScramble, KnownBytesForSeed65)
{
    MsRandom random = RandomGivingSeed(65);
    // Unlike a Tip text, the last character is shifted too.
    EXPECT_EQ(ScramblePassword("abc", random), std::string("\x41\x62\x68\x64"));
    EXPECT_EQ(UnscramblePassword("\x41\x62\x68\x64", random), "abc");
}

TEST(PasswordScramble, TwoFormsOfOnePasswordBothReadBack)
{
    MsRandom random;
    random.seed(7);
    const std::string first = ScramblePassword("Secret", random);
    const std::string second = ScramblePassword("Secret", random);
    EXPECT_NE(first, second);
    for (const std::string& stored : {first, second}) {
        ASSERT_EQ(stored.size(), 7u);
        EXPECT_GE(stored[0], 40);
        EXPECT_LE(stored[0], 120);
        EXPECT_EQ(UnscramblePassword(stored, random), "Secret");
    }
}

TEST(PasswordScramble, EveryByteSurvivesAndShortFormsAreEmpty)
{
    MsRandom random;
    std::string all;
    for (int c = 0; c < 256; ++c)
        all += static_cast<char>(c);
    EXPECT_EQ(UnscramblePassword(ScramblePassword(all, random), random), all);
    EXPECT_EQ(UnscramblePassword("A", random), "");
    EXPECT_EQ(UnscramblePassword("", random), "");
    EXPECT_EQ(ScramblePassword("", random).size(), 1u);
}
