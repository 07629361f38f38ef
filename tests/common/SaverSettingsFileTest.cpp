#include "common/SaverSettingsFile.h"
#include "common/FirstLineCheck.h"
#include "tests/support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using Lines = std::vector<std::string>;

TEST(SaverSettingsFile, BothReadingsFromTheSameBytes)
{
    using S = SaverFileStatus;
    const SaverSettings clock5Minutes{false, true, 3, true, 5, false, true};
    const std::string secondsOn = FormatSaverSettings({false, true, 1, true, 30, true, false});
    const std::size_t minutesKey = secondsOn.find("Minutes=");
    const std::string secondsOff = FormatSaverSettings({false, true, 1, true, 30, false, false});
    struct Row {
        std::string bytes;
        S byPosition;
        SaverSettings values; // the recorder's: every flag as its line says
        Lines tail;
        S byPairs;
        SaverSettings saver; // precedence applied, or the defaults
    } rows[] = {
        {FormatSaverSettings(clock5Minutes, {"\n", "; note\n"}),
         S::Read,
         clock5Minutes,
         {"\n", "; note\n"},
         S::Read,
         clock5Minutes},
        {FormatSaverSettings({true, true, 2, true, 7, true, true}),
         S::Read,
         {true, true, 2, true, 7, true, true},
         {},
         S::Read,
         {true, false, 2, true, 7, true, false}},
        {"Use All Tips=\n 0x\nClock=\n-0\nTip#=\n-1\nTimer Check=\n+3\nTimer=\n99999999999\n"
         "Seconds=\n0\nMinutes=\nno\nend",
         S::Read,
         {false, false, 4294967295u, true, 2147483647u, false, false},
         {"end"},
         S::Read,
         {false, false, 4294967295u, true, 2147483647u, false, false}},
        // Twelve lines: whole for the saver, which stops at Seconds 1; broken for the recorder.
        {secondsOn.substr(0, minutesKey),
         S::LineMissing,
         {},
         {},
         S::Read,
         {false, true, 1, true, 30, true, false}},
        {secondsOn.substr(0, minutesKey + 10),
         S::LineMissing,
         {},
         {},
         S::Read,
         {false, true, 1, true, 30, true, false}},
        {"Timer=\r\n1\r\n", S::CheckFailed, {}, {}, S::CheckFailed, SaverDefaults()},
    };
    TempDir dir;
    const std::string path = dir.file(kSaverSettingsFileName);
    for (const Row& row : rows) {
        WriteBytes(path, row.bytes);
        const PositionalReading byPosition = ReadSaverSettingsByPosition(path);
        EXPECT_EQ(byPosition.status, row.byPosition) << row.bytes;
        if (row.byPosition == S::Read) {
            EXPECT_TRUE(byPosition.values == row.values && byPosition.tail == row.tail)
                << row.bytes;
        }
        const SaverReading byPairs = ReadSaverSettingsByPairs(path);
        EXPECT_TRUE(byPairs.status == row.byPairs && byPairs.settings == row.saver) << row.bytes;
        EXPECT_TRUE(byPairs.fileFound);
    }
    std::filesystem::remove(path);
    EXPECT_FALSE(ReadSaverSettingsByPairs(path).fileFound);
    EXPECT_EQ(SaverSettingsPath(std::string(244, 'd')), ""); // the path would pass 259
}

TEST(SaverSettingsFile, RewrittenWholeKeepingTailAndPermissions)
{
    TempDir dir;
    const std::string path = dir.file(kSaverSettingsFileName);
    // The tail comes back byte for byte: a lone CR, a NUL, a CR LF that straddles the
    // 999-byte pieces the lines are read in, a last line without its end.
    const std::string original = FormatSaverSettings(
        {}, {"\n", std::string("; a\rb\0c\n", 8), std::string(998, 'x') + "\n", "end"});
    WriteBytes(path, original);
    ::chmod(path.c_str(), 0640);
    const PositionalReading read = ReadSaverSettingsByPosition(path);
    std::string error;
    ASSERT_TRUE(WriteSaverSettingsFile(path, read.values, read.tail, error)) << error;
    EXPECT_EQ(ReadBytes(path), original);
    EXPECT_EQ(std::filesystem::status(path).permissions(),
              static_cast<std::filesystem::perms>(0640));
}

TEST(SaverSettingsFile, DefaultsInTheFixedLayoutWithCrLf)
{
    EXPECT_EQ(FormatSaverSettings(SaverSettings{}),
              "Use All Tips=\r\n1\r\nClock=\r\n0\r\nTip#=\r\n1\r\nTimer Check=\r\n1\r\n"
              "Timer=\r\n10\r\nSeconds=\r\n1\r\nMinutes=\r\n0\r\n");
    // A value read from "-1" goes back as "-1": atol would cap "4294967295".
    SaverSettings clock{false, true, 4294967295u, false, 59, false, true};
    EXPECT_EQ(FormatSaverSettings(clock, {"\n", "; kept\n", "no end"}),
              "Use All Tips=\r\n0\r\nClock=\r\n1\r\nTip#=\r\n-1\r\nTimer Check=\r\n0\r\n"
              "Timer=\r\n59\r\nSeconds=\r\n0\r\nMinutes=\r\n1\r\n\r\n; kept\r\nno end");
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
