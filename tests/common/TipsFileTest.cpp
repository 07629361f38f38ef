#include "common/Clock.h"
#include "common/FirstLineCheck.h"
#include "common/MsRandom.h"
#include "common/Scramble.h"
#include "common/TipsFormat.h"
#include "tests/support/TempDir.h"
#include "tests/support/TipPrinting.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <optional>

namespace fs = std::filesystem;

namespace {

class TipsFile : public ::testing::Test {
  protected:
    std::vector<Tip> saveAndLoad(const std::vector<Tip>& tips)
    {
        EXPECT_TRUE(SaveTipsFile(path, tips, random, clock).ok);
        return load().tips;
    }
    TipsFileContent load()
    {
        TipsFileContent content;
        EXPECT_TRUE(LoadTipsFile(path, content, random, clock));
        return content;
    }
    // The record of one Tip as the writer lays it out, with a given scrambled line.
    static std::string Record(const std::string& date, const std::string& category,
                              const std::string& line)
    {
        return "z7k3w1x9j4q2\n" + date + category + line;
    }
    std::string scrambled(const std::string& text) { return ScrambleText(text, random); }

    TempDir dir;
    std::string path = dir.file(kTipsFileName);
    MsRandom random;
    FixedClock clock{1'000'000'000};
};

} // namespace

TEST_F(TipsFile, DefaultContentLayout)
{
    ASSERT_TRUE(SaveTipsFile(path, DefaultTips(), random, clock).ok);
    const std::string bytes = ReadBytes(path);
    ASSERT_EQ(bytes.substr(0, 13 + 9 + 8), "z7k3w1x9j4q2\n02/20/09\nGeneral\n");
    const std::size_t lineEnd = bytes.find('\n', 30);
    EXPECT_EQ(lineEnd - 30 + 1, 60u); // seed, 58 scrambled bytes, LF
    EXPECT_EQ(CheckTipsFile(path), 0u);
    EXPECT_EQ(load().tips, DefaultTips());
    // The writer re-seeds from the clock when done.
    MsRandom expected;
    expected.seed(0);
    EXPECT_EQ(random.next(), expected.next());
}

TEST_F(TipsFile, ZeroTipsGiveAnEmptyFileThatChecksAsEmpty)
{
    WriteBytes(path, "old content");
    ASSERT_TRUE(SaveTipsFile(path, {}, random, clock).ok);
    EXPECT_EQ(fs::file_size(path), 0u);
    EXPECT_EQ(CheckTipsFile(path), 4u);
    EXPECT_TRUE(load().tips.empty());
}

TEST_F(TipsFile, TextsThatStretchOrSplitLinesReadBackWhole)
{
    const std::string longText = std::string(2500, 'L') + "\r\nend\n";
    // Find a text whose scrambled form holds a raw LF before its end.
    std::string rawLfText;
    for (int c = 1; c <= 9 && rawLfText.empty(); ++c) {
        const std::string candidate = std::string(40, static_cast<char>(c)) + "\n";
        MsRandom probe = random;
        const std::string line = ScrambleText(candidate, probe);
        if (line.find('\n') < line.size() - 1)
            rawLfText = candidate;
    }
    ASSERT_FALSE(rawLfText.empty());
    const std::vector<Tip> tips{{"d\n", "c\n", longText},
                                {"d2\n", "c2\n", rawLfText},
                                {"d3\n", "c3\n", "\n"},
                                {"d4\n", "c4\n", "a\r\nb\n"}};
    EXPECT_EQ(saveAndLoad(tips), tips);
}

TEST_F(TipsFile, NulBytesNeverCutARecord)
{
    // Bytes 0xF5..0xFF may scramble to NUL; a NUL may also stand in a part itself.
    const std::vector<Tip> tips{{std::string("d\0te\n", 5), "c\n", std::string(300, '\xFF') + "\n"},
                                {"d\n", std::string("\0\n", 2), std::string("a\0b\xF7\xFA\n", 6)},
                                {"last\n", "c\n", "after\n"}};
    EXPECT_EQ(saveAndLoad(tips), tips);
    EXPECT_NE(ReadBytes(path).find('\0'), std::string::npos);
}

TEST_F(TipsFile, ForeignLinesBeforeTheFirstMarkerAreNotTips)
{
    WriteBytes(path, "[Settings]\nfoo=bar\n" + Record("d\n", "c\n", scrambled("one\n")));
    const TipsFileContent content = load();
    ASSERT_EQ(content.tips.size(), 1u);
    EXPECT_EQ(content.tips[0].text, "one\n");
    EXPECT_EQ(content.strayText, "[Settings]\nfoo=bar\n");

    WriteBytes(path, "no marker anywhere\n");
    EXPECT_TRUE(load().tips.empty());
}

TEST_F(TipsFile, FilesCutShort)
{
    const std::string first = Record("d1\n", "c1\n", scrambled("first\n"));
    const std::string second = scrambled("second text\n");

    WriteBytes(path, first + "z7k3w1x9j4q2\nd2\nc2\n"); // cut before the last text line
    EXPECT_EQ(load().tips.size(), 1u);
    WriteBytes(path, first + "z7k3w1x9j4q2\nd2\n");
    EXPECT_EQ(load().tips.size(), 1u);
    WriteBytes(path, first + "z7k3w1x9j4q2\n");
    EXPECT_EQ(load().tips.size(), 1u);

    // Cut inside the last text line: kept, its last byte as read, closed with "\n" so
    // that a later save cannot merge it with another record.
    WriteBytes(path, first + Record("d2\n", "c2\n", second.substr(0, 5)));
    const std::vector<Tip> tips = load().tips;
    ASSERT_EQ(tips.size(), 2u);
    EXPECT_EQ(tips[1].text.substr(0, 3), "sec");
    EXPECT_EQ(tips[1].text[3], second[4]);
    EXPECT_EQ(tips[1].text.back(), '\n');
    EXPECT_EQ(saveAndLoad(tips), tips);
}

TEST_F(TipsFile, RandomCollectionsRoundTrip)
{
    MsRandom gen;
    gen.seed(2024);
    for (int round = 0; round < 40; ++round) {
        std::vector<Tip> tips(static_cast<std::size_t>(gen.next() % 30));
        for (Tip& tip : tips) {
            tip.date = std::to_string(gen.next()) + "\n";
            tip.category = "cat" + std::to_string(gen.next() % 7) + "\n";
            const int length = gen.next() % 3000;
            for (int i = 0; i < length; ++i)
                tip.text += static_cast<char>(gen.next() % 255 + 1);
            tip.text += '\n';
        }
        // Any byte 1..255 may stand in a text, but the marker never does.
        for (Tip& tip : tips)
            ASSERT_EQ(tip.text.find(kTipsMarker), std::string::npos);
        ASSERT_EQ(saveAndLoad(tips), tips) << "round " << round;
    }
}

TEST_F(TipsFile, RandomAndMutatedFilesNeverBreakTheReader)
{
    MsRandom gen;
    gen.seed(7);
    ASSERT_TRUE(SaveTipsFile(path, DefaultTips(), random, clock).ok);
    const std::string valid = ReadBytes(path);
    for (int round = 0; round < 300; ++round) {
        std::string bytes = valid;
        const int edits = gen.next() % 20 + 1;
        for (int e = 0; e < edits; ++e) {
            const std::size_t at = static_cast<std::size_t>(gen.next()) % (bytes.size() + 1);
            switch (gen.next() % 4) {
            case 0: bytes.insert(at, 1, static_cast<char>(gen.next() % 256)); break;
            case 1:
                if (at < bytes.size())
                    bytes.erase(at, 1);
                break;
            case 2:
                if (at < bytes.size())
                    bytes[at] = static_cast<char>(gen.next() % 256);
                break;
            case 3:
                bytes.insert(at, gen.next() % 2 ? "z7k3w1x9j4q2" : std::string(1200, '\n'));
                break;
            }
        }
        if (round % 10 == 0) { // pure noise too
            bytes.resize(static_cast<std::size_t>(gen.next() % 5000));
            for (char& c : bytes)
                c = static_cast<char>(gen.next() % 256);
        }
        WriteBytes(path, bytes);
        CheckTipsFile(path);
        const std::vector<Tip> loaded = load().tips;
        for (const Tip& tip : loaded) {
            ASSERT_EQ(tip.date.back(), '\n');
            ASSERT_EQ(tip.category.back(), '\n');
            ASSERT_EQ(tip.text.back(), '\n');
        }
        // Whatever the damage, what one save writes reads back as it was saved (the
        // fuzzer tries far more files; a sample here keeps the test quick).
        if (round % 6 == 0) {
            ASSERT_EQ(saveAndLoad(loaded), loaded) << "round " << round;
        }
    }
}

TEST_F(TipsFile, OverLongDatesAndCategoriesAreCutOnceAtLoad)
{
    for (const auto& [date, category] :
         {std::pair{std::string(2500, 'd') + "\n", std::string("c\n")},
          std::pair{std::string("d\n"), std::string(1500, 'c') + "\n"},
          std::pair{std::string(999, 'd') + "\n", std::string(998, 'c') + "\n"}}) {
        // A line after the text continues it, whether the record lies where it was read
        // or had to be moved to be cut.
        const std::string continuation = "raw continuation line\n";
        WriteBytes(path, Record(date, category, scrambled("text\n")) + continuation);
        const std::vector<Tip> loaded = load().tips;
        ASSERT_EQ(loaded.size(), 1u);
        EXPECT_GT(loaded[0].text.size(), continuation.size());
        EXPECT_LE(loaded[0].date.size(), 999u);
        EXPECT_LE(loaded[0].category.size(), 999u);
        const std::vector<Tip> once = saveAndLoad(loaded);
        EXPECT_EQ(once, loaded);
        EXPECT_EQ(saveAndLoad(once), once);
    }
}

// A command that only adds Tips copies the file's records as they are stored; what
// reads back must be what a full decode and scramble would have given, and complete
// records must be the very bytes they were.
TEST_F(TipsFile, AddingCopiesTheStoredRecordsAndReadsBackTheSame)
{
    struct Row {
        const char* name;
        std::optional<std::string> file; // none: no file yet
        bool keptByteForByte;
    };
    const std::string two = Record("01/01/26\n", "General\n", scrambled("first\n")) +
                            Record("01/02/26\n", "Love\n", scrambled("second\r\nline\n"));
    const Row rows[] = {
        {"CompleteRecords", two, true},
        {"RawLineFeedContinuesAText", two + "continued\n", true},
        {"EmptyTextLine", Record("01/03/26\n", "General\n", "\n"), true},
        {"TextCutShortAtTheEnd", two + Record("01/04/26\n", "General\n", "\x50short"), false},
        {"DateWithoutLineEnd", "z7k3w1x9j4q2\n" + std::string(1200, 'd') + "c\n" + "t\n", false},
        {"StrayLinesBeforeTheFirstRecord", "stray\n" + two, false},
        {"NoFileYet", std::nullopt, false},
    };
    const TipList added{{"01/09/26\n", "New\n", "added\n"}, {"01/10/26\n", "New\n", "more\n"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        fs::remove(path);
        std::vector<Tip> expected;
        if (row.file) {
            WriteBytes(path, *row.file);
            expected = load().tips;
        }
        const std::size_t kept = expected.size();
        const AppendResult result = AppendToTipsFile(path, added, random, clock);
        ASSERT_TRUE(result.save.ok) << result.save.error;
        EXPECT_FALSE(result.readFailed);
        EXPECT_EQ(result.keptTips, kept);
        for (const TipParts tip : added)
            expected.push_back(tip.toTip());
        EXPECT_EQ(load().tips, expected);
        if (row.keptByteForByte) {
            EXPECT_TRUE(ReadBytes(path).starts_with(*row.file));
        }
    }
}
