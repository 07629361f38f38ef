#include "recorder/data/RecorderSettings.h"
#include "common/FirstLineCheck.h"
#include "common/SaverSettingsFile.h"
#include "recorder/data/UserDataSetup.h"
#include "tests/support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

QString IniPath(const TempDir& dir)
{
    return QString::fromStdString(dir.file("Pennivel.conf"));
}

} // namespace

TEST(RecorderSettings, MissingKeysAndMissingStoreReadAsDefaults)
{
    TempDir dir;
    RecorderSettings settings(IniPath(dir));
    EXPECT_FALSE(settings.storeExists());
    EXPECT_EQ(settings.read(Key::FirstTimePassword), 2);
    EXPECT_EQ(settings.read(Key::TipAtClosing), 0);
    EXPECT_EQ(settings.read(Key::TipAtClosing, Key::kTipAtClosingForShowing), 1);
    EXPECT_EQ(settings.read(Key::FontHeight), -64);
    EXPECT_EQ(settings.read(Key::FontFaceName), "Times New Roman");
    EXPECT_EQ(settings.read(Key::ColorBackground), "12615935");
    EXPECT_EQ(settings.read(Key::SearchTexts[3]), "Relationships");
    EXPECT_EQ(settings.read(Key::Password).size(), 1u);

    settings.write(Key::FirstTimePassword, 1);
    EXPECT_TRUE(settings.storeExists());
    EXPECT_EQ(settings.read(Key::FirstTimePassword), 1);
    EXPECT_EQ(settings.read(Key::UsePassword), 0);
    EXPECT_EQ(settings.read(Key::InfoAlwaysTip), 1);
}

TEST(RecorderSettings, ValuesSurviveAnotherProcessReadingThem)
{
    TempDir dir;
    std::string bytes;
    for (int c = 0; c < 256; ++c)
        bytes += static_cast<char>(c);
    {
        RecorderSettings settings(IniPath(dir));
        settings.write(Key::Password, bytes);
        settings.write(Key::FontFaceName, "Caf\xC3\xA9 = [x]; \"y\"");
        settings.write(Key::Alignment, 0);
        settings.write(Key::FontHeight, -2147483647 - 1);
        settings.write(Key::Color, "@Variant(abc)");
    }
    RecorderSettings reread(IniPath(dir));
    EXPECT_EQ(reread.read(Key::Password), bytes);
    EXPECT_EQ(reread.read(Key::FontFaceName), "Caf\xC3\xA9 = [x]; \"y\"");
    EXPECT_EQ(reread.read(Key::Alignment), 0);
    EXPECT_EQ(reread.read(Key::FontHeight), -2147483647 - 1);
    EXPECT_EQ(reread.read(Key::Color), "@Variant(abc)");
}

TEST(RecorderSettings, AbsurdStoredValuesReadAsDefaultsOrTheirBits)
{
    TempDir dir;
    {
        QSettings raw(IniPath(dir), QSettings::IniFormat);
        raw.setValue("Initialization/FirstTimePsswrd", "one");
        raw.setValue("Initialization/UsePsswrd", "4294967295");
        raw.setValue("Initialization/lfWeight", "99999999999999");
        raw.setValue("Initialization/m_Alignment", " 0 ");
    }
    WriteBytes(dir.file("Pennivel.conf"),
               ReadBytes(dir.file("Pennivel.conf")) + "Text0=Love, Hate\nText1=\n");
    RecorderSettings settings(IniPath(dir));
    EXPECT_EQ(settings.read(Key::SearchTexts[0]), "Love, Hate");
    EXPECT_EQ(settings.read(Key::SearchTexts[1]), "");
    EXPECT_EQ(settings.read(Key::FirstTimePassword), 2);
    EXPECT_EQ(settings.read(Key::UsePassword), -1);
    EXPECT_EQ(settings.read(Key::FontWeight), 400);
    EXPECT_EQ(settings.read(Key::Alignment), 0);
}

TEST(UserDataSetup, LaysDownAFreshInstallationOnceAndNeverTouchesExistingData)
{
    TempDir dir;
    const std::string data = dir.file("deep/data");
    RecorderSettings settings(IniPath(dir));
    SetupReport first = SetUpUserData(data, settings);
    ASSERT_TRUE(first.ok) << first.error;
    EXPECT_EQ(first.created.size(), 3u);
    EXPECT_EQ(CheckSettingsFile(data + "/" + kSaverSettingsFileName), kCheckFound);
    EXPECT_EQ(settings.read(Key::FirstTimePassword), 1);

    const std::string before = ReadBytes(data + "/" + kSaverSettingsFileName);
    const QByteArray storeBefore = [&] {
        QFile f(IniPath(dir));
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    SetupReport second = SetUpUserData(data, settings);
    EXPECT_TRUE(second.ok);
    EXPECT_TRUE(second.created.empty());
    EXPECT_EQ(ReadBytes(data + "/" + kSaverSettingsFileName), before);
    QFile after(IniPath(dir));
    after.open(QIODevice::ReadOnly);
    EXPECT_EQ(after.readAll(), storeBefore);

    // A user's own choices stay: a password already set, a hand-edited saver file.
    settings.write(Key::FirstTimePassword, 0);
    WriteBytes(data + "/" + kSaverSettingsFileName, "Use All Tips=\n0\n");
    EXPECT_TRUE(SetUpUserData(data, settings).created.empty());
    EXPECT_EQ(settings.read(Key::FirstTimePassword), 0);
    EXPECT_EQ(ReadBytes(data + "/" + kSaverSettingsFileName), "Use All Tips=\n0\n");

    EXPECT_FALSE(SetUpUserData("", settings).ok);
}

TEST(RecorderSettings, HandWrittenTextKeepsItsCommasAndSpaces)
{
    const std::pair<const char*, const char*> lines[] = {
        {"a,b", "a,b"},
        {"a , b,", "a , b,"},
        {"\"x, y\"", "x, y"},
        {"one,\"two, three\"", "one,two, three"},
        {"tab\\there,\\x41", "tab\there,A"},
        {"trailing  ,  ", "trailing  ,"},
    };
    for (const auto& [written, expected] : lines) {
        TempDir dir;
        WriteBytes(dir.file("Pennivel.conf"),
                   std::string("[Other]\nText0=no\n[Initialization]\nText0=") + written + "\n");
        EXPECT_EQ(RecorderSettings(IniPath(dir)).read(Key::SearchTexts[0]), expected) << written;
    }
}

// The store holds the password: private from its first byte, whatever the umask, and an
// existing wider file (an older version, a copy from elsewhere) narrowed by the next
// write. The mode is checked, not access, so running as root does not matter.
TEST(RecorderSettings, TheStoreIsPrivateAfterEveryWrite)
{
    struct Case {
        const char* name;
        int existingMode; // 0: no file yet
    };
    const mode_t oldMask = ::umask(0);
    for (const Case c : {Case{"a new store in a new folder", 0}, Case{"world-readable", 0644},
                         Case{"world-writable", 0666}, Case{"group-readable", 0640},
                         Case{"already private", 0600}}) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const QString path = QString::fromStdString(dir.file("config/Pennivel by Kestrow/x.conf"));
        if (c.existingMode != 0) {
            ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
            WriteBytes(path.toStdString(), "[Initialization]\nm_Alignment=0\n");
            ::chmod(path.toLocal8Bit().constData(), static_cast<mode_t>(c.existingMode));
        }
        RecorderSettings settings(path);
        settings.write(Key::FirstTimePassword, 1);
        struct stat status = {};
        ASSERT_EQ(::stat(path.toLocal8Bit().constData(), &status), 0);
        EXPECT_EQ(status.st_mode & 0777, 0600u);
        EXPECT_EQ(settings.read(Key::FirstTimePassword), 1);
        if (c.existingMode != 0) {
            EXPECT_EQ(settings.read(Key::Alignment), 0);
        }
    }
    ::umask(oldMask);
}
