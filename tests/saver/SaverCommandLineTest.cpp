#include "saver/SaverCommandLine.h"

#include <gtest/gtest.h>

namespace {

struct CommandLineCase {
    const char* name;
    std::vector<std::string> args;
    std::string hostWindow;
    SaverMode mode;
    std::uint32_t windowId = 0;
};

class SaverCommandLine : public testing::TestWithParam<CommandLineCase> {};

TEST_P(SaverCommandLine, ChoosesTheMode)
{
    const CommandLineCase& c = GetParam();
    const SaverLaunch launch = ParseSaverCommandLine(c.args, c.hostWindow);
    EXPECT_EQ(launch.mode, c.mode);
    EXPECT_EQ(launch.windowId, c.windowId);
    EXPECT_EQ(launch.error.empty(), c.mode != SaverMode::Invalid) << launch.error;
}

const CommandLineCase kCases[] = {
    {"NoArgument", {}, "", SaverMode::Configure},
    {"SlashC", {"/c"}, "", SaverMode::Configure},
    {"BareC", {"c"}, "", SaverMode::Configure},
    {"SlashCWithHandle", {"/c:1234"}, "", SaverMode::Configure},
    {"SlashS", {"/s"}, "", SaverMode::FullScreen},
    {"DashS", {"-s"}, "", SaverMode::FullScreen},
    {"UpperSIsNothing", {"/S"}, "", SaverMode::Nothing},
    {"OnlyOneLeadingSlashSkipped", {"//s"}, "", SaverMode::Nothing},
    {"LoneSlash", {"/"}, "", SaverMode::Nothing},
    {"EmptyArgument", {""}, "", SaverMode::Nothing},
    {"Password", {"/a"}, "", SaverMode::Password},
    {"OtherLetter", {"/x"}, "", SaverMode::Nothing},
    {"PreviewDecimal", {"/p", "4194305"}, "", SaverMode::Preview, 4194305},
    {"PreviewHex", {"/p", "0x400001"}, "", SaverMode::Preview, 0x400001},
    {"PreviewWithoutId", {"/p"}, "", SaverMode::Invalid},
    {"PreviewIdNotANumber", {"/p", "12ab"}, "", SaverMode::Invalid},
    {"PreviewIdZero", {"/p", "0"}, "", SaverMode::Invalid},
    {"PreviewIdBeyond32Bits", {"/p", "4294967296"}, "", SaverMode::Invalid},
    {"RootWithoutHostWindow", {"-root"}, "", SaverMode::HostRoot},
    {"RootIntoHostWindow", {"--root"}, "0x2a00007", SaverMode::HostWindow, 0x2a00007},
    {"RootBadHostWindow", {"-root"}, "window", SaverMode::Invalid},
    {"WindowId", {"-window-id", "0x1e00003"}, "", SaverMode::HostWindow, 0x1e00003},
    {"LongWindowIdDecimal", {"--window-id", "31457283"}, "", SaverMode::HostWindow, 31457283},
    {"WindowIdMissing", {"-window-id"}, "", SaverMode::Invalid},
    {"XsecurelockNoOption", {}, "12345", SaverMode::HostWindow, 12345},
    {"OptionWinsOverHostWindow", {"/c"}, "12345", SaverMode::Configure},
};

INSTANTIATE_TEST_SUITE_P(Table, SaverCommandLine, testing::ValuesIn(kCases),
                         [](const auto& info) { return info.param.name; });

} // namespace
