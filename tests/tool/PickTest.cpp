#include "common/Clock.h"
#include "common/MsRandom.h"
#include "common/TipsFormat.h"
#include "tests/support/TempDir.h"
#include "tool/ToolCommands.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <set>
#include <sstream>

namespace {

struct PickRun {
    int status;
    std::string out;
    std::string err;
};

// A data directory, a state folder and a settings folder of the test's own.
class Pick : public ::testing::Test {
  protected:
    void SetUp() override
    {
        ::setenv("PENNIVEL_DIR", m_dir.path().c_str(), 1);
        ::setenv("XDG_RUNTIME_DIR", m_dir.path().c_str(), 1);
        ::setenv("XDG_STATE_HOME", m_dir.file("state").c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", m_dir.file("config").c_str(), 1);
    }
    void save(const std::vector<Tip>& tips)
    {
        MsRandom random;
        ASSERT_TRUE(SaveTipsFile(m_dir.file(kTipsFileName), tips, random, SystemClock()).ok);
    }
    // Seven Tips: four of Work, three of Home; the texts grow in length.
    void saveSeven()
    {
        std::vector<Tip> tips;
        for (int i = 1; i <= 7; ++i)
            tips.push_back({"12/08/26\n", i <= 4 ? "Work\n" : "Home\n",
                            "saying " + std::string(static_cast<std::size_t>(i), 'x') + "\n"});
        save(tips);
    }
    static PickRun pick(std::vector<std::string> args)
    {
        args.insert(args.begin(), "pick");
        std::istringstream in;
        std::ostringstream out, err;
        const int status = RunTool(args, ToolIo{in, out, err});
        return {status, out.str(), err.str()};
    }
    // The texts of `times` picks, failing on any pick that does not succeed.
    static std::vector<std::string> picks(int times, const std::vector<std::string>& args = {})
    {
        std::vector<std::string> texts;
        for (int i = 0; i < times; ++i) {
            const PickRun run = pick(args);
            EXPECT_EQ(run.status, 0) << run.err;
            texts.push_back(run.out);
        }
        return texts;
    }
    static std::size_t distinct(const std::vector<std::string>& texts)
    {
        return std::set<std::string>(texts.begin(), texts.end()).size();
    }
    TempDir m_dir;
};

TEST_F(Pick, EveryTipOfTheChoiceComesOnceBeforeAnyComesAgain)
{
    saveSeven();
    EXPECT_EQ(distinct(picks(7)), 7u);
    // A new round starts by itself.
    EXPECT_EQ(pick({}).status, 0);

    // Tip n is "saying " and n times x; 1..4 are Work, 5..7 Home.
    const struct {
        const char* name;
        std::vector<std::string> args;
        std::size_t fitting, fewestX, mostX;
    } choices[] = {
        {"OneCategory", {"--category", "Home"}, 3, 5, 7},
        {"TwoCategories", {"--category", "Home", "--category", "Work"}, 7, 1, 7},
        {"Search", {"--search", "SAYING"}, 7, 1, 7},
        {"Short", {"--short", "--length", "9"}, 2, 1, 2},
        {"Long", {"--long", "--length", "9"}, 5, 3, 7},
        {"CategoryAndShort", {"--category", "Work", "--short", "--length", "9"}, 2, 1, 2},
    };
    for (const auto& choice : choices) {
        const std::vector<std::string> texts = picks(static_cast<int>(choice.fitting), choice.args);
        EXPECT_EQ(distinct(texts), choice.fitting) << choice.name;
        for (const std::string& text : texts) {
            const auto xs = static_cast<std::size_t>(std::count(text.begin(), text.end(), 'x'));
            EXPECT_GE(xs, choice.fewestX) << choice.name << ": " << text;
            EXPECT_LE(xs, choice.mostX) << choice.name << ": " << text;
        }
    }
}

TEST_F(Pick, NothingToPickSaysSoOnOneLine)
{
    const struct {
        const char* name;
        bool tips;
        std::vector<std::string> args;
        int status;
    } rows[] = {
        {"NoTipsFile", false, {}, 1},
        {"NoTipFits", true, {"--category", "Nowhere"}, 1},
        {"LongerThanAll", true, {"--long", "--length", "1000"}, 1},
        {"ShortAndLong", true, {"--short", "--long"}, 64},
        {"BadLength", true, {"--short", "--length", "many"}, 64},
        {"AndWithoutSearch", true, {"--and"}, 64},
    };
    for (const auto& row : rows) {
        if (row.tips)
            saveSeven();
        const PickRun run = pick(row.args);
        EXPECT_EQ(run.status, row.status) << row.name;
        EXPECT_EQ(run.out, "") << row.name;
        EXPECT_GE(std::count(run.err.begin(), run.err.end(), '\n'), 1) << row.name;
    }
}

TEST_F(Pick, ADamagedOrStaleStateStartsANewRound)
{
    saveSeven();
    picks(3);
    const std::string state = m_dir.file("state") + "/pennivel/pick";
    ASSERT_TRUE(std::filesystem::exists(state));
    EXPECT_EQ(std::filesystem::status(state).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    for (const std::string& damage :
         {std::string("garbage\n"), std::string("pennivel pick 1\nk\n-3 x\n"),
          std::string(1, '\0')}) {
        WriteBytes(state, damage);
        EXPECT_EQ(distinct(picks(7)), 7u) << damage;
    }
    // Three picks of a round, then the Tips file changes: a round over the new file.
    picks(3);
    std::vector<Tip> eight;
    for (int i = 1; i <= 8; ++i)
        eight.push_back({"d\n", "c\n", "tip " + std::to_string(i) + "\n"});
    save(eight);
    EXPECT_EQ(distinct(picks(8)), 8u);
}

TEST_F(Pick, PrintsTheTextAloneOrWithItsNumberOrAsJson)
{
    save({{"12/08/26\n", "Work\n", "first line\r\nsecond line\n"}});
    EXPECT_EQ(pick({}).out, "first line\nsecond line\n");
    EXPECT_EQ(pick({"--with-number"}).out, "Tip #1\n12/08/26\nfirst line\nsecond line\n");
    EXPECT_EQ(pick({"--json"}).out, "{\"number\": 1, \"date\": \"12/08/26\", \"category\": "
                                    "\"Work\", \"text\": \"first line\\r\\nsecond line\"}\n");
    // Only read: the Tips file is as it was.
    const auto before = std::filesystem::last_write_time(m_dir.file(kTipsFileName));
    pick({});
    EXPECT_EQ(std::filesystem::last_write_time(m_dir.file(kTipsFileName)), before);
}

TEST_F(Pick, NotifyWithoutAServiceAndTheLoginEntry)
{
    saveSeven();
    const char* bus = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    const std::string savedBus = bus ? bus : "";
    ::setenv("DBUS_SESSION_BUS_ADDRESS", ("unix:path=" + m_dir.file("no-bus")).c_str(), 1);
    std::istringstream in;
    std::ostringstream out, err;
    EXPECT_EQ(RunTool({"notify"}, ToolIo{in, out, err}), 69);
    const std::string said = err.str();
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    ::setenv("DBUS_SESSION_BUS_ADDRESS", savedBus.c_str(), 1);

    const std::string entry =
        m_dir.file("config") + "/autostart/org.pennivel.Pennivel.notify.desktop";
    const auto atLogin = [&](std::vector<std::string> words) {
        std::ostringstream said, problems;
        words.insert(words.begin(), {"notify", "--at-login"});
        const int status = RunTool(words, ToolIo{in, said, problems});
        return std::to_string(status) + " " + said.str().substr(0, said.str().find(':'));
    };
    EXPECT_EQ(atLogin({}), "0 off\n");
    EXPECT_EQ(atLogin({"on"}), "0 on");
    EXPECT_TRUE(std::filesystem::exists(entry));
    EXPECT_EQ(atLogin({}), "0 on\n");
    if (std::system(("desktop-file-validate '" + entry + "'").c_str()) != 0)
        ADD_FAILURE() << "the autostart entry is not valid";
    EXPECT_EQ(atLogin({"off"}), "0 off");
    EXPECT_FALSE(std::filesystem::exists(entry));
    EXPECT_EQ(atLogin({"maybe"}), "64 ");
}

} // namespace
