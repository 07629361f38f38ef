#include "tests/recorder/dialogs/saver/SaverDialogKit.h"

#include <csignal>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// What a failed OK must leave: the dialog open with only Cancel, the reason told, and
// the old file as it was with nothing beside it.
struct Outcome {
    bool open = false;
    bool okDisabled = false;
    QString message;
};

Outcome PressOk(SaverFileRig& rig)
{
    const auto dialog = rig.open(3);
    TypeInto(EveryBox(*dialog), "20");
    dialog->accept();
    return {dialog->result() != QDialog::Accepted,
            !Child<QWidget>(*dialog, "okButton")->isEnabled(), rig.messages.texts().value(0)};
}

// Runs PressOk as "nobody" in a child process when we are root, since root writes into
// any directory; the child's exit status carries the outcome.
Outcome PressOkAsUser(SaverFileRig& rig)
{
    if (::geteuid() != 0)
        return PressOk(rig);
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(9);
        const Outcome outcome = PressOk(rig);
        ::_exit((outcome.open ? 1 : 0) | (outcome.okDisabled ? 2 : 0) |
                (outcome.message.startsWith("Error detected.\n\nCannot create") ? 4 : 0));
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    const int bits = WIFEXITED(status) ? WEXITSTATUS(status) : 0;
    return {(bits & 1) != 0, (bits & 2) != 0,
            (bits & 4) ? QStringLiteral("Error detected.\n\nCannot create") : QString()};
}

class SaverSettingsFailure : public ::testing::Test {
  protected:
    void expectRefused(const Outcome& outcome, const char* reason)
    {
        EXPECT_TRUE(outcome.open);
        EXPECT_TRUE(outcome.okDisabled);
        EXPECT_TRUE(outcome.message.startsWith(QStringLiteral("Error detected.\n\n") + reason))
            << outcome.message.toStdString();
        EXPECT_EQ(ReadBytes(rig.path), before);
        EXPECT_EQ(std::distance(fs::directory_iterator(rig.dir.path()), fs::directory_iterator()),
                  1)
            << "a temporary file was left behind";
    }

    const std::string before = FormatSaverSettings({}, {"; kept\n"});
    SaverFileRig rig{before};
};

} // namespace

TEST_F(SaverSettingsFailure, FileSizeLimitReached)
{
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    const rlimit small{16, old.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &small);
    const Outcome outcome = PressOk(rig);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);
    expectRefused(outcome, "Cannot write");
}

TEST_F(SaverSettingsFailure, NoWritePermissionInTheDirectory)
{
    fs::permissions(rig.path, fs::perms::all);
    fs::permissions(rig.dir.path(), fs::perms::owner_read | fs::perms::owner_exec |
                                        fs::perms::others_read | fs::perms::others_exec);
    const Outcome outcome = PressOkAsUser(rig);
    fs::permissions(rig.dir.path(), fs::perms::all);
    expectRefused(outcome, "Cannot create");
}

TEST_F(SaverSettingsFailure, FileGoneBrokenWhileOpen)
{
    const auto dialog = rig.open(3);
    TypeInto(EveryBox(*dialog), "20");
    WriteBytes(rig.path, "Timer=\r\n");
    dialog->accept();
    EXPECT_EQ(rig.messages.texts(),
              QStringList({"File Pennivel159.ini error.\n\nYou may need to reinstall the "
                           "software."}));
    EXPECT_FALSE(Child<QWidget>(*dialog, "okButton")->isEnabled());
    EXPECT_EQ(ReadBytes(rig.path), "Timer=\r\n");
}
