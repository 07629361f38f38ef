#include "common/TipsFormat.h"
#include "tests/support/TempDir.h"
#include "tool/ToolCommands.h"
#include "tool/ToolExit.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

namespace {

constexpr const char* kFortunes = "/usr/share/games/fortunes";

// The number of sayings a strfile index counts: the second 32-bit word of its header,
// in network byte order.
std::uint32_t IndexedCount(const std::string& datFile)
{
    const std::string header = ReadBytes(datFile).substr(0, 8);
    if (header.size() < 8)
        return 0;
    std::uint32_t count = 0;
    std::memcpy(&count, header.data() + 4, 4);
    return ntohl(count);
}

// Runs `args` (an import) on the data directory `dir`, which must end with `expected`
// Tips added.
void ImportInto(const TempDir& dir, const std::vector<std::string>& args, std::uint32_t expected,
                std::ostringstream& out, std::ostringstream& err)
{
    ::setenv("PENNIVEL_DIR", dir.path().c_str(), 1);
    ::setenv("XDG_RUNTIME_DIR", dir.path().c_str(), 1);
    std::istringstream in;
    ASSERT_EQ(RunTool(args, ToolIo{in, out, err}), kExitOk) << err.str();
    EXPECT_NE(out.str().find("added " + std::to_string(expected) + " Tips"), std::string::npos)
        << out.str();
}

} // namespace

// Sayings written by others, in the layout the tool imports: every saying arrives, and
// the fortune export reads back in strfile with the same count.
TEST(FortunesMin, ImportMatchesTheIndexAndExportsForStrfile)
{
    std::vector<std::string> args{"import"};
    std::uint32_t expected = 0;
    for (const char* name : {"fortunes", "literature", "riddles"}) {
        const std::string file = std::string(kFortunes) + "/" + name;
        if (!std::filesystem::exists(file + ".dat"))
            GTEST_SKIP() << "fortunes-min is not installed (scripts/install-deps.sh)";
        args.push_back(file);
        expected += IndexedCount(file + ".dat");
    }
    if (std::system("command -v strfile >/dev/null") != 0)
        GTEST_SKIP() << "strfile (fortune-mod) is not installed";
    TempDir dir;
    std::ostringstream out, err;
    ImportInto(dir, args, expected, out, err);

    const std::string exported = dir.file("all");
    ASSERT_EQ(RunTool({"export", "--format", "fortune", exported}, out, err), kExitOk);
    const std::string command = "strfile -s '" + exported + "' '" + exported + ".dat'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(IndexedCount(exported + ".dat"), expected);
}

// `import` of every file of the fortune folder, as a shell's `*` names them: the indexes
// and the ".u8" links to the same files are left out, and said so.
TEST(FortunesMin, ImportOfTheWholeFolderTakesEachSayingOnce)
{
    std::vector<std::string> args{"import"};
    std::uint32_t expected = 0;
    std::size_t leftOut = 0;
    for (const auto& entry : std::filesystem::directory_iterator(kFortunes)) {
        args.push_back(entry.path().string());
        if (entry.path().extension() == ".dat") {
            expected += IndexedCount(entry.path().string());
            ++leftOut;
        } else if (entry.is_symlink()) {
            ++leftOut;
        }
    }
    if (expected == 0)
        GTEST_SKIP() << "fortunes-min is not installed (scripts/install-deps.sh)";
    // A file named twice counts once too.
    args.push_back(args[1]);
    ++leftOut;
    TempDir dir;
    std::ostringstream out, err;
    ImportInto(dir, args, expected, out, err);
    const std::string said = err.str();
    EXPECT_EQ(static_cast<std::size_t>(std::count(said.begin(), said.end(), '\n')), leftOut)
        << said;
}
