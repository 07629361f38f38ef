#include "common/Clock.h"
#include "common/MsRandom.h"
#include "common/TipSearch.h"
#include "common/TipsAsText.h"
#include "common/TipsFormat.h"
#include "platform/DataDirectoryLock.h"
#include "platform/SingleInstance.h"
#include "tests/support/TempDir.h"
#include "tool/FdOutput.h"
#include "tool/NewTipFields.h"
#include "tool/SayingReader.h"
#include "tool/ToolCommands.h"
#include "tool/ToolExit.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string Repeated(const std::string& piece, int times)
{
    std::string all;
    for (int i = 0; i < times; ++i)
        all += piece;
    return all;
}

struct ToolRun {
    int status;
    std::string out;
    std::string err;
};

ToolRun Tool(const std::vector<std::string>& args, const std::string& input = {})
{
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = RunTool(args, ToolIo{in, out, err});
    return {status, out.str(), err.str()};
}

// A data directory of the test's own for the tool to work in.
class ToolData : public ::testing::Test {
  protected:
    void SetUp() override
    {
        ::setenv("PENNIVEL_DIR", m_dir.path().c_str(), 1);
        // Other test programs start recorders on the shared test home at the same time.
        ::setenv("XDG_RUNTIME_DIR", m_dir.path().c_str(), 1);
    }
    std::string tipsFile() const { return m_dir.file(kTipsFileName); }
    std::vector<Tip> tips() const
    {
        TipsFileContent content;
        MsRandom random;
        LoadTipsFile(tipsFile(), content, random, SystemClock());
        return content.tips;
    }
    std::string input(const std::string& name, const std::string& bytes) const
    {
        WriteBytes(m_dir.file(name), bytes);
        return m_dir.file(name);
    }
    TempDir m_dir;
};

std::vector<std::string> Sayings(const std::string& bytes, SayingLayout layout)
{
    std::FILE* file = fmemopen(const_cast<char*>(bytes.data()), bytes.size(), "rb");
    std::vector<std::string> sayings;
    EXPECT_EQ(ReadSayings(file, layout, [&](std::string&& s) { sayings.push_back(s); }), 0);
    std::fclose(file);
    return sayings;
}

} // namespace

TEST(SayingReader, SplitsFortuneFilesAndParagraphs)
{
    using V = std::vector<std::string>;
    const struct {
        const char* name;
        std::string bytes;
        SayingLayout layout;
        V expected;
    } rows[] = {
        {"multi-line", "one\n  two\n%\nthree\n%\n", SayingLayout::Fortune,
         V{"one\r\n  two\n", "three\n"}},
        {"empty saying skipped", "%\n%\n \n%\nx\n%\n", SayingLayout::Fortune, V{"x\n"}},
        {"CR LF line ends", "a\r\nb\r\n%\r\nc\r\n", SayingLayout::Fortune, V{"a\r\nb\n", "c\n"}},
        {"no final %", "a\n%\nb", SayingLayout::Fortune, V{"a\n", "b\n"}},
        {"outer blank lines dropped, inner kept", "\na\n\n\nb\n\n\n%\n", SayingLayout::Fortune,
         V{"a\r\n\r\n\r\nb\n"}},
        {"% inside a line is text", "50% off\n%%\n", SayingLayout::Fortune, V{"50% off\r\n%%\n"}},
        {"invalid UTF-8 kept, NUL dropped", std::string("\xff\xc3x\0y\n", 6), SayingLayout::Fortune,
         V{"\xff\xc3xy\n"}},
        {"paragraphs", "p one\nstill one\n\n \t\np two\n%\n", SayingLayout::Paragraphs,
         V{"p one\r\nstill one\n", "p two\r\n%\n"}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Sayings(row.bytes, row.layout), row.expected) << row.name;
}

TEST_F(ToolData, AddFollowsTheAddDialogRules)
{
    const struct {
        std::vector<std::string> args;
        std::string input;
        int status;
        Tip stored;
    } rows[] = {
        {{"add", "--date", "01/02/03", "--category", "Caf\xC3\xA9", "  two\nlines "},
         "",
         kExitOk,
         {"01/02/03\n", "Caf\xC3\xA9\n", "two\r\nlines\n"}},
        {{"add", "--date=x", "--category", "e\xCC\x81" + std::string(19, 'c'), "-"},
         "from\r\nin\n",
         kExitOk,
         {"x\n", "e\xCC\x81" + std::string(19, 'c') + "\n", "from\r\nin\n"}},
        {{"add", " \n "}, "", kExitBadData, {}},
        {{"add", "--date", std::string(21, '1'), "t"}, "", kExitBadData, {}},
        {{"add", "--category", " ", "t"}, "", kExitBadData, {}},
        // One character with hundreds of accents: more than a line of the file holds.
        {{"add", "--category", "abc" + Repeated("\xCC\x81", 498), "t"}, "", kExitBadData, {}},
        {{"add", "--date", "1" + Repeated("\xCC\x81", 40'000), "t"}, "", kExitBadData, {}},
        {{"add", "--category", "ab" + Repeated("\xCC\x81", 498), "t"},
         "",
         kExitOk,
         {TodayPart(), "ab" + Repeated("\xCC\x81", 498) + "\n", "t\n"}},
        {{"add", "a z7k3w1x9j4q2 b"}, "", kExitBadData, {}},
        {{"add", "--date"}, "", kExitUsage, {}},
        {{"add", "one", "two"}, "", kExitUsage, {}},
    };
    std::size_t stored = 0;
    for (const auto& row : rows) {
        const ToolRun run = Tool(row.args, row.input);
        EXPECT_EQ(run.status, row.status) << row.args.back() << run.err;
        if (row.status != kExitOk)
            continue;
        ASSERT_EQ(tips().size(), ++stored);
        EXPECT_EQ(tips().back(), row.stored);
    }
}

TEST_F(ToolData, WritesRefusedWhileTheRecorderRunsLeaveTheFileAlone)
{
    ASSERT_EQ(Tool({"add", "kept"}).status, kExitOk);
    const std::string before = ReadBytes(tipsFile());
    const std::string fortunes = input("f", "new\n%\n");
    for (const bool directoryLock : {true, false}) {
        std::unique_ptr<DataDirectoryLock> dirLock;
        SingleInstance instance(QStringLiteral("Pennivel"));
        if (directoryLock)
            dirLock = std::make_unique<DataDirectoryLock>(m_dir.path());
        else
            ASSERT_TRUE(instance.claim());
        for (const std::vector<std::string>& args :
             {std::vector<std::string>{"add", "x"}, {"import", fortunes}}) {
            const ToolRun run = Tool(args);
            EXPECT_EQ(run.status, kExitRecorderRunning) << args[0] << directoryLock;
            EXPECT_NE(run.err.find("running"), std::string::npos);
        }
        EXPECT_EQ(ReadBytes(tipsFile()), before);
    }
    EXPECT_EQ(Tool({"import", fortunes}).status, kExitOk);
}

TEST_F(ToolData, ListSearchAgreesWithTheRecorderSearch)
{
    const std::string file = input("mixed", "Apple pie\n%\napple TART\n%\nCAF\xC3\x89 au lait\n%\n"
                                            "pear\tplum\n%\n\xff"
                                            "apple\n%\n");
    ASSERT_EQ(Tool({"import", file}).status, kExitOk);
    ASSERT_EQ(Tool({"add", "--category", "Other", "apple pear"}).status, kExitOk);
    const std::vector<Tip> all = tips();
    const std::regex numberLine("(^|\n)Tip #([0-9]+)\n");
    const auto numbers = [&](const std::string& text) {
        std::vector<std::string> found;
        for (std::sregex_iterator it(text.begin(), text.end(), numberLine), end; it != end; ++it)
            found.push_back((*it)[2]);
        return found;
    };
    for (const char* words : {"apple", "APPLE pear", "café", "tart pie", "plum", "zzz"}) {
        for (const bool every : {false, true}) {
            std::vector<std::string> args{"list", "--search", words};
            if (every)
                args.push_back("--and");
            const ToolRun run = Tool(args);
            ASSERT_EQ(run.status, kExitOk) << run.err;
            const SearchResult recorder =
                SearchByWords(all, SearchField::Text, SearchTerms(words), !every);
            EXPECT_EQ(numbers(run.out), numbers(recorder.resultText)) << words << every;
        }
    }
    const ToolRun other = Tool({"list", "--category", "Other", "--search", "apple"});
    EXPECT_EQ(numbers(other.out), std::vector<std::string>{"6"});
    EXPECT_NE(other.out.find("Tip #6\n12/"), std::string::npos);
}

// A user brings sayings in, exports them both ways and takes them to a new data
// directory; nothing is lost or changed on the way.
TEST_F(ToolData, ImportExportRoundTrip)
{
    const std::string fortunes =
        input("quotes.txt", "Two\n  lines\n%\n\xff raw\n%\n50%\n%%\n%\nlast, no final mark");
    const std::string prose = input("essay", "First paragraph\ngoes on.\n\nSecond.\n");
    ToolRun run = Tool({"import", fortunes});
    ASSERT_EQ(run.status, kExitOk) << run.err;
    EXPECT_NE(run.out.find("added 4 Tips"), std::string::npos);
    ASSERT_EQ(Tool({"import", "--paragraphs", "--category", "Prose", prose}).status, kExitOk);
    const std::vector<Tip> first = tips();
    ASSERT_EQ(first.size(), 6u);
    EXPECT_EQ(first[0].category, "quotes\n");
    EXPECT_EQ(first[4].category, "Prose\n");
    EXPECT_EQ(first[4].text, "First paragraph\r\ngoes on.\n");

    const std::string fortuneOut = m_dir.file("out.fortune");
    const std::string textOut = m_dir.file("out.txt");
    ASSERT_EQ(Tool({"export", "--format", "fortune", fortuneOut}).status, kExitOk);
    ASSERT_EQ(Tool({"export", "--format=text", textOut}).status, kExitOk);
    ASSERT_TRUE(WriteTipsAsText(first, m_dir.file("recorder.txt")).empty());
    EXPECT_EQ(ReadBytes(textOut), ReadBytes(m_dir.file("recorder.txt")));
    EXPECT_EQ(Tool({"export"}).out, ReadBytes(textOut));

    TempDir other;
    ::setenv("PENNIVEL_DIR", other.path().c_str(), 1);
    ASSERT_EQ(Tool({"import", fortuneOut}).status, kExitOk);
    ::setenv("PENNIVEL_DIR", m_dir.path().c_str(), 1);
    std::vector<std::string> before;
    for (const Tip& tip : first)
        before.push_back(tip.text);
    TipsFileContent copied;
    MsRandom random;
    LoadTipsFile(other.file(kTipsFileName), copied, random, SystemClock());
    std::vector<std::string> after;
    for (const Tip& tip : copied.tips)
        after.push_back(tip.text);
    EXPECT_EQ(after, before);

    EXPECT_EQ(Tool({"import", m_dir.file("missing")}).status, kExitIoError);
    EXPECT_EQ(Tool({"export", "--format", "rtf"}).status, kExitUsage);
    EXPECT_EQ(tips(), first);
}

namespace {

// A stream whose reads fail with `error` after `goodBytes` bytes of "a\n%\n" sayings.
struct FailingSource {
    std::size_t goodBytes;
    int error;
    std::size_t given = 0;
};

std::FILE* OpenFailingSource(FailingSource& source)
{
    cookie_io_functions_t calls{};
    calls.read = [](void* cookie, char* buffer, std::size_t size) -> ssize_t {
        auto& source = *static_cast<FailingSource*>(cookie);
        if (source.given >= source.goodBytes) {
            errno = source.error;
            return -1;
        }
        const std::size_t n = std::min(size, source.goodBytes - source.given);
        for (std::size_t i = 0; i < n; ++i)
            buffer[i] = "a\n%\n"[(source.given + i) % 4];
        source.given += n;
        return static_cast<ssize_t>(n);
    };
    return fopencookie(&source, "r", calls);
}

} // namespace

TEST(SayingReader, AReadErrorIsNotTheEndOfTheFile)
{
    for (const int error : {EIO, ENOMEM}) {
        FailingSource source{4 * 1000 + 1, error};
        std::FILE* file = OpenFailingSource(source);
        std::size_t sayings = 0;
        // The reason itself is checked end to end (a real read of a directory): the
        // sanitizers' wrapper of custom streams does not keep errno.
        EXPECT_NE(ReadSayings(file, SayingLayout::Fortune, [&](std::string&&) { ++sayings; }), 0);
        // The saying cut off by the failure is not handed over as if it were whole.
        EXPECT_EQ(sayings, 1000u);
        std::fclose(file);
    }
}

// Every failure names the file and the reason, and no failure leaves a changed Tips file
// or a success status behind; commands that only read work on a read-only Tips file.
TEST_F(ToolData, FailuresAreNamedAndReadOnlyTipsStillRead)
{
    ASSERT_EQ(Tool({"add", "kept"}).status, kExitOk);
    const std::string before = ReadBytes(tipsFile());
    const struct {
        std::vector<std::string> args;
        int status;
        std::string message;
    } rows[] = {
        {{"import", m_dir.path()}, kExitIoError, m_dir.path() + ": Is a directory"},
        {{"export", "/dev/full"}, kExitIoError, "/dev/full: No space left on device"},
        {{"export", m_dir.path()}, kExitIoError, "Is a directory"},
    };
    for (const auto& row : rows) {
        const ToolRun run = Tool(row.args);
        EXPECT_EQ(run.status, row.status) << row.args[0] << " " << row.args[1];
        EXPECT_THAT(run.err, ::testing::HasSubstr(row.message));
        EXPECT_EQ(ReadBytes(tipsFile()), before);
    }

    ::chmod(tipsFile().c_str(), 0444);
    for (const char* command : {"list", "dump", "export"})
        EXPECT_EQ(Tool({command}).status, kExitOk) << command;
    const ToolRun refused = Tool({"add", "more"});
    EXPECT_EQ(refused.status, kExitIoError);
    EXPECT_THAT(refused.err, ::testing::HasSubstr("read-only"));

    ::unlink(tipsFile().c_str());
    ASSERT_EQ(::symlink(m_dir.file("gone").c_str(), tipsFile().c_str()), 0);
    EXPECT_THAT(Tool({"dump"}).err, ::testing::HasSubstr("link to a file that does not exist"));
}

TEST_F(ToolData, OutputThatCannotBeWrittenFailsTheCommand)
{
    ASSERT_EQ(Tool({"add", "kept"}).status, kExitOk);
    const int full = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
    ASSERT_GE(full, 0);
    FdOutput output(full);
    std::ostream out(&output);
    std::istringstream in;
    std::ostringstream err;
    EXPECT_EQ(RunTool({"list"}, ToolIo{in, out, err}), kExitIoError);
    EXPECT_THAT(err.str(), ::testing::HasSubstr("standard output: No space left on device"));
    ::close(full);
}
