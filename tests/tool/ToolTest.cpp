#include "common/Clock.h"
#include "common/FirstLineCheck.h"
#include "common/MsRandom.h"
#include "common/TipsFormat.h"
#include "tests/support/TempDir.h"
#include "tool/JsonText.h"
#include "tool/ToolCommands.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {

struct ToolRun {
    int status;
    std::string out;
    std::string err;
};

ToolRun RunCaptured(const std::vector<std::string>& args)
{
    std::ostringstream out, err;
    const int status = RunTool(args, out, err);
    return {status, out.str(), err.str()};
}

} // namespace

TEST(JsonText, EscapesAndKeepsValidUtf8)
{
    EXPECT_EQ(JsonString("a\"b\\c\n\r\t"), R"("a\"b\\c\n\r\t")");
    EXPECT_EQ(JsonString(std::string("\0\x01\x7f", 3)), R"("\u0000\u0001\u007F")");
    EXPECT_EQ(JsonString("caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80"),
              "\"caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80\"");
    // Lone, overlong, surrogate and cut sequences are bytes, not characters: each shows as
    // U+FFFD, and the Tip carries the exact bytes in base64 beside the text.
    const std::string fffd = "\xEF\xBF\xBD";
    EXPECT_EQ(JsonString("\xE9t\xC0\xAF"), "\"" + fffd + "t" + fffd + fffd + "\"");
    const struct {
        std::string text;
        std::string json;
    } tips[] = {
        {"plain", R"({"number": 1, "date": "d", "category": "c", "text": "plain"})"},
        {"caf\xE9", R"({"number": 1, "date": "d", "category": "c", "text": "caf)" + fffd +
                        R"(", "text_bytes": "Y2Fm6Q=="})"},
        {"\xED\xA0\x80\xE2\x82", R"({"number": 1, "date": "d", "category": "c", "text": ")" + fffd +
                                     fffd + fffd + fffd + fffd + R"(", "text_bytes": "7aCA4oI="})"},
    };
    for (const auto& tip : tips)
        EXPECT_EQ(TipAsJson(1, "d", "c", tip.text), tip.json) << tip.text;
}

TEST(Tool, CheckAndDump)
{
    TempDir dir;
    const std::string path = dir.file(kTipsFileName);
    MsRandom random;
    std::vector<Tip> tips = DefaultTips();
    tips.push_back({"x\n", "Caf\xC3\xA9\n", "two\r\nlines \xFF\n"});
    ASSERT_TRUE(SaveTipsFile(path, tips, random, SystemClock()).ok);

    ToolRun run = RunCaptured({"check", path});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("0 "), std::string::npos);

    run = RunCaptured({"dump", path});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, run.out.find('\n')),
              R"({"number": 1, "date": "02/20/09", "category": "General", )"
              R"("text": "Treat yourself the way you want other people to treat you."})");
    EXPECT_NE(run.out.find("{\"number\": 4, \"date\": \"x\", \"category\": \"Caf\xC3\xA9\", "
                           "\"text\": \"two\\r\\nlines \xEF\xBF\xBD\", "
                           "\"text_bytes\": \"dHdvDQpsaW5lcyD/\"}\n"),
              std::string::npos);

    EXPECT_EQ(RunCaptured({"check", "--settings", path}).status, 1);
    EXPECT_EQ(RunCaptured({"check", dir.file("none")}).status, 2);
    run = RunCaptured({"dump", dir.file("none")});
    EXPECT_EQ(run.status, 74);
    EXPECT_FALSE(run.err.empty());
    // A foreign file is no Tips file: nothing on standard output.
    const std::string foreign = dir.file("foreign.ini");
    WriteBytes(foreign, "[Some other program]\nkey=value\n");
    run = RunCaptured({"dump", foreign});
    EXPECT_EQ(run.status, 65);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("not a Pennivel Tips file"), std::string::npos);
}

TEST(Tool, DumpIntoAFullDeviceFails)
{
    TempDir dir;
    const std::string path = dir.file(kTipsFileName);
    MsRandom random;
    ASSERT_TRUE(SaveTipsFile(path, DefaultTips(), random, SystemClock()).ok);
    std::ofstream full("/dev/full");
    std::ostringstream err;
    ASSERT_TRUE(full.is_open());
    EXPECT_EQ(RunTool({"dump", path}, full, err), 74);
    EXPECT_NE(err.str().find("standard output"), std::string::npos);
}

TEST(Tool, UsageAndUnknownCommands)
{
    EXPECT_EQ(RunCaptured({"--help"}).status, 0);
    EXPECT_NE(RunCaptured({"--help"}).out.find("dump"), std::string::npos);
    EXPECT_EQ(RunCaptured({}).status, 64);
    ToolRun run = RunCaptured({"frobnicate"});
    EXPECT_EQ(run.status, 64);
    EXPECT_NE(run.err.find("unknown command 'frobnicate'"), std::string::npos);
    EXPECT_EQ(RunCaptured({"check", "--bogus"}).status, 64);
}

TEST(Tool, AnOverLongDataDirectoryIsReportedNotReplacedByAnotherFile)
{
    const std::string saved = std::getenv("PENNIVEL_DIR") ? std::getenv("PENNIVEL_DIR") : "";
    for (const std::size_t length : {std::size_t{300}, std::size_t{250}}) {
        ::setenv("PENNIVEL_DIR", ("/tmp/" + std::string(length, 'd')).c_str(), 1);
        for (const auto& args : std::vector<std::vector<std::string>>{
                 {"check"}, {"check", "--settings"}, {"dump"}, {"setup"}}) {
            const ToolRun run = RunCaptured(args);
            EXPECT_EQ(run.status, 74) << args[0] << " " << length;
            EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
            EXPECT_NE(run.err.find("too long"), std::string::npos) << run.err;
        }
    }
    ::setenv("PENNIVEL_DIR", saved.c_str(), 1);
}

TEST(Tool, SetupTwiceChangesNothingTheSecondTime)
{
    TempDir dir;
    // The settings store's location is fixed at its first use in a process.
    ::setenv("XDG_CONFIG_HOME", dir.file("config").c_str(), 1);
    ::setenv("PENNIVEL_DIR", dir.file("data").c_str(), 1);
    const std::string saverFile = dir.file("data/Pennivel159.ini");
    const std::string store = dir.file("config/Pennivel by Kestrow/Pennivel.conf");

    ToolRun first = RunCaptured({"setup"});
    ASSERT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(CheckSettingsFile(saverFile), kCheckFound);
    EXPECT_NE(ReadBytes(store).find("FirstTimePsswrd=1"), std::string::npos);
    EXPECT_NE(first.out.find("created screen saver settings"), std::string::npos);

    const std::string saverBefore = ReadBytes(saverFile);
    const std::string storeBefore = ReadBytes(store);
    ToolRun second = RunCaptured({"setup"});
    EXPECT_EQ(second.status, 0);
    EXPECT_EQ(second.out, "nothing to do: Pennivel is set up\n");
    EXPECT_EQ(ReadBytes(saverFile), saverBefore);
    EXPECT_EQ(ReadBytes(store), storeBefore);

    // A user's own file and password state are left as they are.
    WriteBytes(saverFile, "Use All Tips=\r\n0\r\n");
    WriteBytes(store, "[Initialization]\nFirstTimePsswrd=0\n");
    EXPECT_EQ(RunCaptured({"setup"}).status, 0);
    EXPECT_EQ(ReadBytes(saverFile), "Use All Tips=\r\n0\r\n");
    EXPECT_EQ(ReadBytes(store), "[Initialization]\nFirstTimePsswrd=0\n");

    EXPECT_EQ(RunCaptured({"setup", "extra"}).status, 64);
}
