#include "tests/recorder/dialogs/saver/SaverDialogKit.h"

#include <csignal>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <sys/resource.h>

namespace {

// Written by hand with LF line ends: any rewrite turns them into CR LF.
const std::string kClockLf = "Use All Tips=\n0\nClock=\n1\nTip#=\n2\nTimer Check=\n1\nTimer=\n30\n"
                             "Seconds=\n0\nMinutes=\n1\n\n; my note\n";

std::function<void(QWidget&)> Click(const char* name)
{
    return [name](QWidget& dialog) { Child<QAbstractButton>(dialog, name)->click(); };
}

std::function<void(QWidget&)> Type(const char* box, const char* text)
{
    return [box, text](QWidget& dialog) { TypeInto(Box(dialog, box), text); };
}

} // namespace

TEST(SaverSettingsDlg, OkWritesExactlyTheChosenValues)
{
    using S = SaverSettings;
    const std::string kTipTwoFile = FormatSaverSettings({false, false, 2, true, 10, true, false});
    const struct {
        std::string bytes;
        int tipCount;
        std::function<void(QWidget&)> action;
        std::optional<S> written; // nothing: the file keeps its bytes
        const char* message;      // the dialog stays open after it
    } rows[] = {
        {kTipTwoFile, 3, Click("hoursButton"), S{false, false, 2, true, 10, false, false}, ""},
        // Unticking the timer keeps Every and its unit.
        {kClockLf, 3, Click("changeTimerBox"), S{false, true, 2, false, 30, false, true}, ""},
        {kClockLf, 3, [](QWidget&) {}, std::nullopt, ""},
        // With no Tips the file is rewritten even when nothing changed.
        {kClockLf, 0, [](QWidget&) {}, S{false, true, 2, true, 30, false, true}, ""},
        {FormatSaverSettings({true, true, 2, true, 10, true, false}), 3, Type("everyBox", "20"),
         S{true, false, 2, true, 20, true, false}, ""},
        {kTipTwoFile, 5, Type("tipNumberBox", "6"), std::nullopt,
         "Please enter a Tip number between 1 and 5."},
        {kTipTwoFile, 5, Type("everyBox", "60"), std::nullopt,
         "Please enter a timer between 1 and 59."},
        {kTipTwoFile, 5, Type("everyBox", ""), std::nullopt, "Please enter a positive integer."},
    };
    for (const auto& row : rows) {
        SaverFileRig rig(row.bytes);
        const auto dialog = rig.open(row.tipCount);
        ShowAndActivate(*dialog);
        row.action(*dialog);
        PressKey(*dialog, Qt::Key_Return);
        const std::vector<std::string> tail = row.bytes == kClockLf
                                                  ? std::vector<std::string>{"\n", "; my note\n"}
                                                  : std::vector<std::string>{};
        EXPECT_EQ(ReadBytes(rig.path),
                  row.written ? FormatSaverSettings(*row.written, tail) : row.bytes);
        EXPECT_EQ(rig.messages.texts().value(0), row.message);
        EXPECT_EQ(dialog->isVisible(), *row.message != '\0');
    }
}

// A failed write leaves the dialog open with only Cancel, tells why, and leaves the old
// file as it was with nothing beside it.
TEST(SaverSettingsDlg, FailedWriteKeepsTheOldFile)
{
    const std::string before = FormatSaverSettings({}, {"; kept\n"});
    SaverFileRig rig(before);
    const auto dialog = rig.open(3);
    TypeInto(Box(*dialog, "everyBox"), "20");
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    const rlimit small{16, old.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &small);
    dialog->accept();
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);
    EXPECT_TRUE(rig.messages.texts().value(0).startsWith("Error detected.\n\nCannot write"));
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_FALSE(Child<QWidget>(*dialog, "okButton")->isEnabled());
    EXPECT_EQ(ReadBytes(rig.path), before);
    const auto files = std::distance(std::filesystem::directory_iterator(rig.dir.path()), {});
    EXPECT_EQ(files, 1) << "a temporary file was left behind";

    // A file broken behind the dialog's back is refused, not overwritten.
    const auto again = rig.open(3);
    TypeInto(Box(*again, "everyBox"), "20");
    WriteBytes(rig.path, "Timer=\r\n");
    again->accept();
    EXPECT_TRUE(rig.messages.texts().value(1).startsWith("File Pennivel159.ini error."));
    EXPECT_EQ(ReadBytes(rig.path), "Timer=\r\n");
}
