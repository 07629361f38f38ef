// The paths a large collection takes: pieces read in blocks, the generator stepped four
// draws at a time, and Tips kept in one buffer while they are edited.
#include "common/Clock.h"
#include "common/MsRandom.h"
#include "common/PieceReader.h"
#include "common/Scramble.h"
#include "common/TipList.h"
#include "common/TipSearch.h"
#include "common/TipsFormat.h"
#include "tests/support/TempDir.h"
#include "tests/support/TipPrinting.h"

#include <algorithm>
#include <cstdio>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

// Bytes with lines of every awkward length: empty, 998 to 1000 bytes, far over 999,
// NUL and CR inside, and no line feed at the end.
std::string AwkwardBytes()
{
    std::string bytes;
    MsRandom random;
    for (const std::size_t length : {0, 1, 998, 999, 1000, 1997, 1998, 3000, 5, 0, 12})
        for (int copy = 0; copy < 3; ++copy) {
            for (std::size_t i = 0; i < length; ++i)
                bytes +=
                    static_cast<char>(random.next() % 3 == 0 ? '\0' : 'a' + random.next() % 26);
            bytes += copy == 1 ? "\r\n" : "\n";
        }
    return bytes + "tail without a line feed";
}

std::vector<std::string> PiecesOf(const std::string& bytes, std::size_t blockSize)
{
    std::FILE* file = ::fmemopen(const_cast<char*>(bytes.data()), bytes.size(), "rb");
    PieceReader reader(file, blockSize);
    std::vector<std::string> pieces;
    for (std::string piece; reader.next(piece);)
        pieces.push_back(piece);
    std::fclose(file);
    return pieces;
}

// The generator stepped once per byte, as the scrambling is defined.
std::string ShiftOneByOne(std::string bytes, std::uint32_t seed, MsRandom& random)
{
    random.seed(seed);
    for (char& byte : bytes)
        byte = static_cast<char>(static_cast<unsigned char>(byte) + DrawShift(random));
    return bytes;
}

} // namespace

TEST(PieceReader, PiecesDoNotDependOnTheBlockSize)
{
    const std::string bytes = AwkwardBytes();
    // One piece per line, cut every 999 bytes.
    std::vector<std::string> expected;
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t lf = bytes.find('\n', at);
        const std::size_t end = std::min({lf == std::string::npos ? bytes.size() : lf + 1,
                                          at + PieceReader::kMaxPiece, bytes.size()});
        expected.push_back(bytes.substr(at, end - at));
        at = end;
    }
    for (const std::size_t block : {1u, 999u, 1000u, 1500u, 4096u, 1u << 16})
        EXPECT_EQ(PiecesOf(bytes, block), expected) << "block of " << block;
}

TEST(Scramble, StepsTakenTogetherGiveTheSameBytesAndLeaveTheSameGenerator)
{
    for (const std::size_t length :
         {0, 1, 2, 3, 4, 5, 7, 8, 9, 100, 1001, 1023, 1024, 1025, 2051}) {
        std::string plain(length, '\0');
        for (std::size_t i = 0; i < length; ++i)
            plain[i] = static_cast<char>(i * 37 + 11);
        MsRandom fast, slow;
        fast.seed(static_cast<std::uint32_t>(length));
        slow.seed(static_cast<std::uint32_t>(length));
        const std::string stored = ScrambleBytes(plain, length, fast);
        const int seed = DrawSeed(slow);
        EXPECT_EQ(stored,
                  std::string(1, static_cast<char>(seed)) + ShiftOneByOne(plain, seed, slow))
            << "length " << length;
        EXPECT_EQ(fast.next(), slow.next()) << "length " << length;
        EXPECT_EQ(UnscrambleBytes(stored, length, fast), plain) << "length " << length;
    }
}

TEST(Scramble, EverySeedByteAStoredTextMayHoldUnshiftsAsOneByOne)
{
    // A damaged file may hold any seed byte, read as a signed char; the generator is
    // left as the draws leave it, however many bytes are shifted.
    for (int seedByte = 0; seedByte < 256; ++seedByte)
        for (const std::size_t length : {1, 6, 1025, 1030}) {
            const std::string plain(length, 'q');
            MsRandom fast, slow;
            const auto seed = static_cast<std::uint32_t>(
                static_cast<std::int32_t>(static_cast<signed char>(seedByte)));
            const std::string stored = static_cast<char>(seedByte) +
                                       ShiftOneByOne(plain.substr(0, length - 1), seed, slow) +
                                       plain.back();
            EXPECT_EQ(UnscrambleBytes(stored, length - 1, fast), plain)
                << "seed byte " << seedByte << ", length " << length;
            slow.next(); // the draw of the last byte, which is left as it is
            EXPECT_EQ(fast.next(), slow.next()) << "seed byte " << seedByte;
        }
}

TEST(TipList, EditsMatchAListOfSeparateTips)
{
    const std::string big(40'000, 'b'); // enough waste to make the buffer compact itself
    const auto make = [&](int n) {
        return Tip{std::to_string(n) + "\n", "c" + std::to_string(n % 3) + "\n",
                   (n % 4 == 0 ? big : "text ") + std::to_string(n) + "\n"};
    };
    TipList list;
    // Room for far more than the Tips below, its unfilled pages given back between edits.
    list.reserve(100'000, std::size_t{8} << 20);
    std::vector<Tip> model;
    const auto check = [&](const char* step) { ASSERT_EQ(list.toTips(), model) << step; };
    for (int n = 0; n < 12; ++n) {
        list.push_back(make(n));
        model.push_back(make(n));
    }
    check("push_back");
    for (int round = 0; round < 8; ++round) {
        list.releaseUnusedRoom();
        const std::size_t at = static_cast<std::size_t>(round * 5) % model.size();
        list.replace(at, make(100 + round));
        model[at] = make(100 + round);
        check("replace");
        // Parts of the list itself, handed back to it.
        list.push_back(list[at]);
        model.push_back(model[at]);
        check("push_back of its own parts");
        list.dropFrontOfText(list.size() - 1, 1);
        model.back().text.erase(0, 1);
        check("dropFrontOfText at the end of the buffer");
        list.replace(0, list.back());
        model[0] = model.back();
        check("replace by its own parts");
        list.dropFrontOfText(list.size() - 1, 1);
        model.back().text.erase(0, 1);
        check("dropFrontOfText inside the buffer");
        list.extendText(list.size() - 1, list[1].date);
        model.back().text += model[1].date;
        check("extendText");
        list.erase(at);
        model.erase(model.begin() + static_cast<std::ptrdiff_t>(at));
        check("erase");
    }
    list.text(list.size() - 1)[0] = 'X';
    model.back().text[0] = 'X';
    check("text");
    list.dropFrontOfText(1, 2);
    model[1].text.erase(0, 2);
    check("dropFrontOfText of a Tip in the middle");
    list.extendText(1, "more\n");
    model[1].text += "more\n";
    check("extendText of a Tip in the middle");
    list.clear();
    list.push_back(make(1));
    EXPECT_EQ(list.toTips(), std::vector<Tip>{make(1)});
    // A date or category is a line; one longer than any line the programs make is refused.
    EXPECT_THROW(list.push_back({std::string(1 << 16, 'd'), "c\n", "t\n"}), std::length_error);
    EXPECT_EQ(list.toTips(), std::vector<Tip>{make(1)});
}

TEST(TipsFileBlocks, RecordsAcrossReadBlocksReadBackWhole)
{
    // Over a megabyte, so records straddle the reader's blocks at many offsets; long
    // texts arrive in several pieces, and a byte 3 is stored as a line feed whenever
    // its shift is 7.
    std::vector<Tip> tips;
    for (int n = 0; n < 3000; ++n) {
        std::string text(static_cast<std::size_t>((n * 7919) % 2500), 'x');
        for (std::size_t i = 0; i < text.size(); ++i)
            text[i] = static_cast<char>(i % 5 == 0 ? (n % 2 ? 0xFF : 0x03) : 'a' + (i + n) % 26);
        tips.push_back({"12/0" + std::to_string(n % 10) + "/26\n", "General\n", text + "\n"});
    }
    TempDir dir;
    const std::string path = dir.file(kTipsFileName);
    MsRandom random;
    const FixedClock clock{1'000'000'000};
    ASSERT_TRUE(SaveTipsFile(path, tips, random, clock).ok);
    LoadedTips loaded;
    ASSERT_TRUE(LoadTipsFile(path, loaded, random, clock));
    EXPECT_FALSE(loaded.readError);
    EXPECT_EQ(loaded.tips.toTips(), tips);
}

// A list long enough to be decoded and searched in two halves at once gives what one
// Tip after another gives: texts cut short or empty anywhere, matches on either side of
// the middle and at its very edges.
TEST(TipsInHalves, DecodeAndSearchMatchOneTipAfterAnother)
{
    constexpr std::size_t kCount = 70'001;
    TipList stored;
    MsRandom random;
    for (std::size_t n = 0; n < kCount; ++n) {
        const bool match = n % 997 == 0 || n == kCount / 2 - 1 || n == kCount / 2;
        std::string text =
            ScrambleText((match ? "a Zephyr, tip " : "a tip ") + std::to_string(n) + "\n", random);
        if (n % 5003 == 0)
            text.pop_back(); // cut short
        if (n % 7919 == 0)
            text.clear();
        stored.push_back({"12/08/26\n", "General\n", text});
    }
    TipList oneByOne = stored;
    for (std::size_t i = 0; i < oneByOne.size(); ++i)
        DecodeStoredText(oneByOne, i);
    DecodeStoredTexts(stored);
    ASSERT_EQ(stored.toTips(), oneByOne.toTips());

    std::vector<std::size_t> expected;
    for (std::size_t i = 0; i < oneByOne.size(); ++i)
        if (oneByOne[i].text.find("Zephyr") != std::string_view::npos)
            expected.push_back(i);
    ASSERT_GT(expected.size(), 60u);
    EXPECT_EQ(PositionsByWords(stored, SearchField::Text, {"zephyr"}, false), expected);
    EXPECT_EQ(PositionsExactly(stored, SearchField::Category, "General").size(), kCount);
    // The dialogs' searches, over all Tips and over the first ones only.
    for (const std::size_t searched : {kCount, kCount / 2, std::size_t{70'000}}) {
        const auto within = std::count_if(expected.begin(), expected.end(),
                                          [&](std::size_t i) { return i < searched; });
        const SearchResult found =
            SearchByWords(stored, SearchField::Text, {"ZEPHYR,"}, true, searched);
        EXPECT_EQ(found.foundCount, within) << searched;
        EXPECT_EQ(SearchExactly(stored, SearchField::Date, "12/08/26", searched).foundCount,
                  static_cast<int>(std::min(searched, kCount)));
    }
}
