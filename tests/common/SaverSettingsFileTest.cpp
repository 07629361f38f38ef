#include "common/SaverSettingsFile.h"
#include "common/FirstLineCheck.h"
#include "common/TextModeLines.h"
#include "tests/support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// The value lines of a file, each given with its key line in CR LF.
std::string File(std::initializer_list<const char*> values, const char* tail = "")
{
    static const char* const keys[] = {
        "Use All Tips=", "Clock=", "Tip#=", "Timer Check=", "Timer=", "Seconds=", "Minutes="};
    std::string bytes;
    std::size_t i = 0;
    for (const char* value : values)
        bytes += std::string(keys[i++]) + "\r\n" + value + "\r\n";
    return bytes + tail;
}

std::vector<std::string> Pieces(const std::string& bytes)
{
    TempDir dir;
    WriteBytes(dir.file("f"), bytes);
    std::FILE* file = std::fopen(dir.file("f").c_str(), "rb");
    TextModeLines lines(file);
    std::vector<std::string> pieces;
    for (std::string piece; lines.next(piece);)
        pieces.push_back(piece);
    std::fclose(file);
    return pieces;
}

using Lines = std::vector<std::string>;

} // namespace

TEST(TextModeLines, CrLfArrivesAsLfInPiecesOf999)
{
    const std::string longLine(1200, 'a');
    const std::string crAtEdge = std::string(998, 'b') + "\r\nc";
    struct Row {
        std::string bytes;
        Lines pieces;
    } rows[] = {
        {"a\r\nb\nc", {"a\n", "b\n", "c"}},
        {"lone\rcr\r\r\n", {"lone\rcr\r\n"}},
        {"ends in cr\r", {"ends in cr\r"}},
        {std::string("nul\0byte\r\n", 10), {std::string("nul\0byte\n", 9)}},
        {longLine + "\r\n", {longLine.substr(0, 999), longLine.substr(999) + "\n"}},
        // The CR LF pair straddles the 999th byte: it still arrives as one LF.
        {crAtEdge, {std::string(998, 'b') + "\n", "c"}},
        {"", {}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Pieces(row.bytes), row.pieces) << row.bytes.substr(0, 40);
}

TEST(SaverSettingsFile, BothReadingsFromTheSameBytes)
{
    const SaverSettings defaults = SaverDefaults();
    const SaverSettings clockEvery5Minutes{false, true, 3, true, 5, false, true};
    struct Row {
        const char* name;
        std::string bytes;
        SaverFileStatus byPosition;
        SaverSettings values; // the recorder's raw values when read
        Lines tail;
        SaverFileStatus byPairs;
        SaverSettings saver;
    } rows[] = {
        {"written by this program",
         FormatSaverSettings(clockEvery5Minutes, {"\n", "; note\n"}),
         SaverFileStatus::Read,
         clockEvery5Minutes,
         {"\n", "; note\n"},
         SaverFileStatus::Read,
         clockEvery5Minutes},
        {"both modes and both units set",
         File({"1", "1", "2", "1", "7", "1", "1"}),
         SaverFileStatus::Read,
         SaverSettings{true, true, 2, true, 7, true, true},
         {},
         SaverFileStatus::Read,
         SaverSettings{true, false, 2, true, 7, true, false}},
        {"LF line ends, atol values",
         "Use All Tips=\n 0x\nClock=\n-0\nTip#=\n-1\nTimer Check=\n"
         "+3\nTimer=\n99999999999\nSeconds=\n0\nMinutes=\nno\nend",
         SaverFileStatus::Read,
         SaverSettings{false, false, 4294967295u, true, 2147483647u, false, false},
         {"end"},
         SaverFileStatus::Read,
         SaverSettings{false, false, 4294967295u, true, 2147483647u, false, false}},
        {"twelve lines ending in Seconds 1",
         File({"0", "1", "1", "1", "30", "1"}),
         SaverFileStatus::LineMissing,
         {},
         {},
         SaverFileStatus::Read,
         SaverSettings{false, true, 1, true, 30, true, false}},
        {"thirteen lines",
         File({"0", "1", "1", "1", "30", "0"}, "Minutes=\r\n"),
         SaverFileStatus::LineMissing,
         {},
         {},
         SaverFileStatus::LineMissing,
         defaults},
        {"first key not there",
         "Timer=\r\n1\r\n",
         SaverFileStatus::CheckFailed,
         {},
         {},
         SaverFileStatus::CheckFailed,
         defaults},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TempDir dir;
        const std::string path = dir.file(kSaverSettingsFileName);
        WriteBytes(path, row.bytes);
        const PositionalReading byPosition = ReadSaverSettingsByPosition(path);
        EXPECT_EQ(byPosition.status, row.byPosition);
        if (byPosition.status == SaverFileStatus::Read) {
            EXPECT_EQ(byPosition.values, row.values);
            EXPECT_EQ(byPosition.tail, row.tail);
        } else {
            EXPECT_FALSE(byPosition.reason.empty());
        }
        const SaverReading byPairs = ReadSaverSettingsByPairs(path);
        EXPECT_EQ(byPairs.status, row.byPairs);
        EXPECT_EQ(byPairs.settings, row.saver);
        EXPECT_TRUE(byPairs.fileFound);
    }
}

TEST(SaverSettingsFile, PathsThatCannotBeUsed)
{
    TempDir dir;
    EXPECT_EQ(SaverSettingsPath(dir.path()), dir.file(kSaverSettingsFileName));
    EXPECT_EQ(SaverSettingsPath(""), "");
    EXPECT_EQ(SaverSettingsPath(std::string(243, 'd')).size(), 259u);
    EXPECT_EQ(SaverSettingsPath(std::string(244, 'd')), "");

    const SaverReading missing = ReadSaverSettingsByPairs(dir.file(kSaverSettingsFileName));
    EXPECT_FALSE(missing.fileFound);
    EXPECT_EQ(missing.settings, SaverDefaults());
    EXPECT_EQ(ReadSaverSettingsByPosition("").status, SaverFileStatus::PathUnusable);
}

TEST(SaverSettingsFile, WrittenWholeInTheFixedLayout)
{
    EXPECT_EQ(FormatSaverSettings(SaverSettings{}),
              "Use All Tips=\r\n1\r\nClock=\r\n0\r\nTip#=\r\n1\r\nTimer Check=\r\n1\r\n"
              "Timer=\r\n10\r\nSeconds=\r\n1\r\nMinutes=\r\n0\r\n");
    // A value read from "-1" goes back as "-1", as atol reads it the same again.
    SaverSettings clock{false, true, 4294967295u, false, 59, false, true};
    EXPECT_EQ(FormatSaverSettings(clock, {"\n", "; kept\n", "no end"}),
              "Use All Tips=\r\n0\r\nClock=\r\n1\r\nTip#=\r\n-1\r\nTimer Check=\r\n0\r\n"
              "Timer=\r\n59\r\nSeconds=\r\n0\r\nMinutes=\r\n1\r\n\r\n; kept\r\nno end");

    TempDir dir;
    const std::string path = dir.file(kSaverSettingsFileName);
    const std::string original = File({"1", "0", "1", "1", "10", "1", "0"}, "\r\n; kept\r\n");
    WriteBytes(path, original);
    ::chmod(path.c_str(), 0640);
    const PositionalReading read = ReadSaverSettingsByPosition(path);
    std::string error;
    ASSERT_TRUE(WriteSaverSettingsFile(path, read.values, read.tail, error)) << error;
    EXPECT_EQ(ReadBytes(path), original);
    EXPECT_EQ(fs::status(path).permissions(), static_cast<fs::perms>(0640));
}

TEST(SaverSettingsFile, CreatedOnlyWhenMissing)
{
    TempDir dir;
    const std::string path = dir.file(kSaverSettingsFileName);
    std::string error;
    ASSERT_EQ(CreateSaverSettingsFile(path, {}, error), CreateResult::Created) << error;
    EXPECT_EQ(CheckSettingsFile(path), kCheckFound);

    WriteBytes(path, "mine\n");
    EXPECT_EQ(CreateSaverSettingsFile(path, {}, error), CreateResult::AlreadyThere);
    EXPECT_EQ(ReadBytes(path), "mine\n");

    ::chmod(dir.path().c_str(), 0500);
    const std::string blocked = dir.file("other.ini");
    if (::access(dir.path().c_str(), W_OK) != 0) { // root writes anyway
        EXPECT_EQ(CreateSaverSettingsFile(blocked, {}, error), CreateResult::Failed);
        EXPECT_NE(error.find(blocked), std::string::npos);
    }
}
