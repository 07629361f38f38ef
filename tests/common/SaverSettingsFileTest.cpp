#include "common/SaverSettingsFile.h"
#include "common/FirstLineCheck.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

TEST(SaverSettingsFile, DefaultsInTheFixedLayoutWithCrLf)
{
    EXPECT_EQ(FormatSaverSettings(SaverSettings{}),
              "Use All Tips=\r\n1\r\nClock=\r\n0\r\nTip#=\r\n1\r\nTimer Check=\r\n1\r\n"
              "Timer=\r\n10\r\nSeconds=\r\n1\r\nMinutes=\r\n0\r\n");
    SaverSettings clock{false, true, 4294967295u, false, 59, false, true};
    EXPECT_EQ(FormatSaverSettings(clock, {"\n", "; kept\n", "no end"}),
              "Use All Tips=\r\n0\r\nClock=\r\n1\r\nTip#=\r\n4294967295\r\nTimer Check=\r\n0\r\n"
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
