#include "common/FirstLineCheck.h"
#include "common/RandomTipPick.h"
#include "common/SaverSettingsFile.h"
#include "common/TipsFormat.h"
#include "platform/LogFont.h"
#include "recorder/app/FirstRun.h"
#include "tests/recorder/app/RecorderRig.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QSettings>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

const QString kTerminate = QStringLiteral("Program will terminate.");

// One way the start-up checks can fail, set up on a freshly installed rig.
struct FatalCase {
    const char* name;
    void (*breakIt)(RecorderRig&);
    const char* message;
};

void PrintTo(const FatalCase& c, std::ostream* os)
{
    *os << c.name;
}

void ExpectFatal(RecorderRig& rig, const char* message)
{
    EXPECT_FALSE(rig.start());
    EXPECT_EQ(rig.app.document(), nullptr);
    ASSERT_EQ(rig.messages.texts(), QStringList({QString::fromLatin1(message), kTerminate}));
    for (const auto& shown : rig.messages.shown()) {
        EXPECT_EQ(shown.icon, MessageIcon::Stop);
        EXPECT_TRUE(shown.options.noOwner);
        EXPECT_EQ(shown.options.caption, QStringLiteral("Pennivel"));
    }
    EXPECT_EQ(rig.passwords.startupRuns, 0);
}

class StartupFatal : public ::testing::TestWithParam<FatalCase> {};

const char* kFileError = "File Pennivel159.ini error.\n\nYou may need to reinstall the software.";
const char* kRegistryErrorText = "Registry error.\n\nYou may need to reinstall the software.";

// A data directory whose Tips file path is exactly 260 characters, one too many,
// while the saver file's path (one shorter) still fits.
std::string DirectoryOfLength(const TempDir& base, std::size_t length)
{
    std::string dir = base.path();
    while (dir.size() < length) {
        const std::size_t part = std::min<std::size_t>(100, length - dir.size() - 1);
        dir += "/" + std::string(std::max<std::size_t>(part, 1), 'd');
    }
    std::filesystem::create_directories(dir);
    return dir;
}

} // namespace

TEST_P(StartupFatal, ShowsItsMessageThenTerminates)
{
    RecorderRig rig;
    rig.install();
    GetParam().breakIt(rig);
    ExpectFatal(rig, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    EveryCheck, StartupFatal,
    ::testing::Values(
        FatalCase{"NoDataDirectory", [](RecorderRig& r) { r.dataDir.clear(); }, "WinDir Error!"},
        FatalCase{"SaverFileMissing",
                  [](RecorderRig& r) { std::remove((r.dataDir + "/Pennivel159.ini").c_str()); },
                  kFileError},
        FatalCase{"SaverFileForeign",
                  [](RecorderRig& r) { WriteBytes(r.dataDir + "/Pennivel159.ini", "Timer=\n9\n"); },
                  kFileError},
        FatalCase{"SaverFilePathTooLong",
                  [](RecorderRig& r) {
                      r.dataDir = DirectoryOfLength(r.dir, 250);
                      SetUpUserData(r.dataDir, r.settings);
                  },
                  kFileError},
        FatalCase{"FirstTimeKeyAbsent",
                  [](RecorderRig& r) {
                      QSettings raw(r.settings.location(), QSettings::IniFormat);
                      raw.remove("Initialization/FirstTimePsswrd");
                      raw.sync();
                  },
                  kRegistryErrorText},
        FatalCase{"FirstTimeKeyTwo",
                  [](RecorderRig& r) { r.settings.write(Key::FirstTimePassword, 2); },
                  kRegistryErrorText},
        FatalCase{"FirstTimeKeyNegative",
                  [](RecorderRig& r) { r.settings.write(Key::FirstTimePassword, -1); },
                  kRegistryErrorText},
        FatalCase{"TipsPathReaches260",
                  [](RecorderRig& r) {
                      r.dataDir = DirectoryOfLength(r.dir, 260 - 17);
                      SetUpUserData(r.dataDir, r.settings);
                  },
                  "WinDir Error!"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Startup, TipsPathOneShortOfTheLimitStarts)
{
    RecorderRig rig;
    rig.dataDir = DirectoryOfLength(rig.dir, 259 - 17);
    rig.install();
    ASSERT_TRUE(rig.start()) << rig.messages.texts().join('|').toStdString();
    EXPECT_EQ(rig.doc().TipsFilePath().size(), 259u);
}

TEST(Startup, MissingTipsFileGetsTheDefaultTipsToTheByte)
{
    RecorderRig rig;
    rig.install();
    ASSERT_TRUE(rig.start());
    EXPECT_TRUE(rig.messages.texts().isEmpty());
    EXPECT_EQ(rig.app.m_Tips.tips(), DefaultTips());

    // The constructor seeds from the clock; the default Tips are scrambled from there,
    // and the first Tip is drawn after the file write re-seeded the generator.
    MsRandom expected;
    TimeSeed(expected, rig.clock);
    TempDir other;
    ASSERT_TRUE(SaveTipsFile(other.file("t.ini"), DefaultTips(), expected, rig.clock).ok);
    EXPECT_EQ(ReadBytes(rig.tipsPath()), ReadBytes(other.file("t.ini")));

    CBrevantDoc& doc = rig.doc();
    const int first = PickRandomTip(expected, 3);
    EXPECT_EQ(doc.m_CurrentTip, first);
    EXPECT_EQ(doc.m_CurrentText, DefaultTips()[first - 1].text);
    EXPECT_EQ(doc.m_CurrentDate, DefaultTips()[first - 1].date);
    EXPECT_EQ(doc.m_CycleTips.entries(), std::vector<std::uint32_t>{std::uint32_t(first)});
    EXPECT_EQ(doc.m_History, (std::vector<std::uint32_t>{0, std::uint32_t(first)}));
    EXPECT_EQ(doc.m_HistoryCount, 1);
    EXPECT_EQ(doc.m_HistoryPos, 1);
    EXPECT_TRUE(doc.m_TipShown);
    EXPECT_TRUE(doc.m_bTipCommandsEnabled);
    EXPECT_FALSE(doc.m_bLastWasPrevious);
    EXPECT_TRUE(doc.m_bTipsFileKnown);
}

TEST(Startup, ForeignAndEmptyTipsFiles)
{
    RecorderRig foreign;
    foreign.install();
    MsRandom random;
    std::vector<Tip> two = {{"d1\n", "c1\n", "one\n"}, {"d2\n", "c2\n", "two\n"}};
    ASSERT_TRUE(SaveTipsFile(foreign.tipsPath(), two, random, foreign.clock).ok);
    WriteBytes(foreign.tipsPath(), "not ours\n" + ReadBytes(foreign.tipsPath()));
    ASSERT_TRUE(foreign.start());
    EXPECT_TRUE(foreign.messages.texts().isEmpty());
    EXPECT_EQ(foreign.app.m_Tips.tips(), two);

    RecorderRig empty;
    empty.install();
    WriteBytes(empty.tipsPath(), " \n\t\n");
    ASSERT_TRUE(empty.start());
    EXPECT_TRUE(empty.messages.texts().isEmpty());
    EXPECT_EQ(empty.doc().m_TipCount(), 0);
    EXPECT_TRUE(empty.doc().m_CurrentText.empty());
    EXPECT_FALSE(empty.doc().m_bTipCommandsEnabled);
    EXPECT_FALSE(empty.doc().m_bClearEnabled);
    EXPECT_FALSE(empty.doc().m_TipShown);
    EXPECT_EQ(ReadBytes(empty.tipsPath()), " \n\t\n");
}

TEST(Startup, ReadOnlyTipsFileIsNamedAndGuarded)
{
    RecorderRig rig;
    rig.install();
    WriteBytes(rig.tipsPath(), "z7k3w1x9j4q2\nd\nc\n(t\n");
    ::chmod(rig.tipsPath().c_str(), 0444);
    ASSERT_TRUE(rig.start());
    EXPECT_EQ(rig.doc().m_TipCount(), 0);
    ASSERT_EQ(rig.messages.shown().size(), 1u);
    EXPECT_TRUE(rig.messages.texts()[0].contains(QString::fromStdString(rig.tipsPath())));
    EXPECT_EQ(rig.messages.shown()[0].icon, MessageIcon::Exclamation);
    EXPECT_FALSE(rig.doc().m_bTipsFileKnown);
}

TEST(Startup, DefaultsWhenOnlyTheFirstTimeKeyIsStored)
{
    RecorderRig rig;
    rig.install();
    ASSERT_TRUE(rig.start());
    CBrevantDoc& doc = rig.doc();
    EXPECT_TRUE(doc.m_InfoAlwaysTip);
    EXPECT_FALSE(doc.m_DisableScreen);
    EXPECT_EQ(doc.m_Alignment, 1);
    EXPECT_EQ(doc.m_nFontHeight, -64);
    EXPECT_EQ(doc.m_nFontWeight, 400);
    EXPECT_EQ(doc.m_FontItalic, 0);
    EXPECT_EQ(doc.m_FontFaceName, QStringLiteral("Times New Roman"));
    EXPECT_EQ(doc.m_Color.value, 0u);
    EXPECT_EQ(doc.m_ColorBckgrnd.value, 12615935u);
    EXPECT_FALSE(doc.m_UsePassword);
    EXPECT_TRUE(doc.m_FirstTimePassword);
    EXPECT_FALSE(doc.m_TipClosing);
    EXPECT_EQ(rig.app.m_SearchWords.front(), "Love");
    EXPECT_EQ(rig.app.m_SearchWords.back(), "Hobby");
    ASSERT_TRUE(doc.m_pLogFont && doc.m_pFont && doc.m_pBackgroundBrush);
    EXPECT_EQ(doc.m_pLogFont->lfHeight, -64);
    EXPECT_EQ(doc.m_pLogFont->lfWeight, 400);
    EXPECT_EQ(doc.m_pLogFont->lfFaceName, QStringLiteral("Times New Roman"));
    EXPECT_FALSE(doc.m_pFont->italic());
    EXPECT_EQ(doc.m_pFont->pixelSize(), 64);
    EXPECT_EQ(doc.m_pBackgroundBrush->color(), QColor(255, 128, 192));
}

TEST(Startup, StoredDisplayChoices)
{
    RecorderRig rig;
    rig.install();
    rig.settings.write(Key::FontItalic, "n");
    rig.settings.write(Key::FontFaceName, std::string(40, 'F'));
    rig.settings.write(Key::Color, "255");
    rig.settings.write(Key::ColorBackground, "pink");
    rig.settings.write(Key::TipClosing, 1);
    rig.settings.write(Key::SearchTexts[9], "Garden");
    ASSERT_TRUE(rig.start());
    CBrevantDoc& doc = rig.doc();
    EXPECT_EQ(doc.m_FontItalic, 1);
    EXPECT_TRUE(doc.m_pFont->italic());
    EXPECT_EQ(doc.m_FontFaceName, QString(31, 'F'));
    EXPECT_EQ(doc.m_Color.toQColor(), QColor(Qt::red));
    EXPECT_EQ(doc.m_pLogFont->lfFaceName, QString(31, 'F'));
    EXPECT_EQ(doc.m_pLogFont->lfItalic, 1);
    EXPECT_EQ(doc.m_pBackgroundBrush->color(), QColor(Qt::black));
    EXPECT_TRUE(doc.m_TipClosing);
    EXPECT_EQ(rig.app.m_SearchWords[9], "Garden");
}

TEST(Startup, PasswordGate)
{
    struct Case {
        int firstTime;
        int usePassword;
        bool answer;
        bool starts;
        int asked;
        int storedUsePassword;
    };
    const Case cases[] = {
        {1, 0, false, true, 0, 0},  // no password yet, off
        {1, 1, false, true, 0, 0},  // on without a password: switched off quietly
        {0, 0, false, true, 0, 0},  // password set, off
        {0, 1, true, true, 1, 1},   // password given
        {0, 1, false, false, 1, 1}, // Exit or three failures: ends without a message
    };
    for (const Case& c : cases) {
        RecorderRig rig;
        rig.install();
        rig.settings.write(Key::FirstTimePassword, c.firstTime);
        rig.settings.write(Key::UsePassword, c.usePassword);
        rig.settings.write(Key::Password, "Gxyz");
        rig.passwords.queue(c.answer);
        EXPECT_EQ(rig.start(), c.starts) << c.firstTime << c.usePassword;
        EXPECT_EQ(rig.passwords.startupRuns, c.asked);
        EXPECT_TRUE(rig.messages.texts().isEmpty());
        EXPECT_EQ(rig.settings.read(Key::UsePassword), c.storedUsePassword);
        if (c.asked) {
            EXPECT_EQ(rig.passwords.lastStoredPassword, "Gxyz");
        }
        if (c.starts) {
            EXPECT_EQ(rig.doc().m_UsePassword, c.storedUsePassword == 1);
            EXPECT_EQ(rig.doc().m_FirstTimePassword, c.firstTime == 1);
        }
    }
}

TEST(Startup, PasswordIsAskedBeforeTheTipsAreTouched)
{
    RecorderRig rig;
    rig.install();
    rig.settings.write(Key::FirstTimePassword, 0);
    rig.settings.write(Key::UsePassword, 1);
    EXPECT_FALSE(rig.start());
    EXPECT_FALSE(std::filesystem::exists(rig.tipsPath()));
}

// Who counts as a brand-new user, set up as `pennivel-tool setup` would; everyone else
// meets the start-up check of the piece that is missing.
TEST(FirstRun, OnlyABrandNewUserIsSetUp)
{
    struct Case {
        const char* name;
        void (*prepare)(RecorderRig&);
        bool setUp;
    };
    const Case cases[] = {
        {"nothing yet", [](RecorderRig&) {}, true},
        {"an empty data directory",
         [](RecorderRig& r) { std::filesystem::create_directories(r.dataDir); }, true},
        {"a data directory of other files",
         [](RecorderRig& r) {
             std::filesystem::create_directories(r.dataDir);
             WriteBytes(r.dataDir + "/notes.txt", "mine\n");
         },
         true},
        {"a store that lost its value", [](RecorderRig& r) { r.settings.write(Key::Alignment, 0); },
         false},
        {"a Tips file without the saver file",
         [](RecorderRig& r) {
             std::filesystem::create_directories(r.dataDir);
             WriteBytes(r.tipsPath(), "\n");
         },
         false},
        {"a saver file that is a link to nothing",
         [](RecorderRig& r) {
             std::filesystem::create_directories(r.dataDir);
             std::filesystem::create_symlink(r.dir.file("gone"),
                                             r.dataDir + "/" + kSaverSettingsFileName);
         },
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecorderRig rig;
        c.prepare(rig);
        SetUpForBrandNewUser(rig.app.services());
        if (c.setUp) {
            ASSERT_TRUE(rig.start()) << rig.messages.texts().join('|').toStdString();
            EXPECT_EQ(rig.settings.read(Key::FirstTimePassword), 1);
        } else {
            ExpectFatal(rig, kFileError);
        }
    }
}
