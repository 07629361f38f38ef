#include "recorder/dialogs/password/PasswordCommands.h"
#include "common/Clock.h"
#include "common/MsRandom.h"
#include "recorder/data/RecorderSettings.h"
#include "tests/support/ScriptedMessages.h"
#include "tests/support/ScriptedPasswordDialogs.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

namespace {

struct CommandRig {
    TempDir dir;
    RecorderSettings settings{QString::fromStdString(dir.file("Pennivel.conf"))};
    ScriptedMessages messages;
    ScriptedPasswordDialogs dialogs;
    MsRandom random;
    FixedClock clock{1'700'000'456};
    PasswordCommandContext context{settings, messages, dialogs, random, clock};
    bool usePassword = false;
    bool firstTimePassword = false;
    PasswordFlags flags{usePassword, firstTimePassword};

    // True when the generator was last re-seeded from the clock.
    bool reseeded()
    {
        MsRandom expected;
        TimeSeed(expected, clock);
        MsRandom copy = random;
        return copy.next() == expected.next() && copy.next() == expected.next();
    }
};

} // namespace

TEST(ActivatePassword, EveryStateOfTheTwoSettings)
{
    struct Case {
        const char* name;
        int storedFirstTime; // -99: key missing
        bool usePassword;
        bool dialogAnswer;
        bool expectUse;
        int expectFirstTime;
        int expectSetNewRuns;
        bool expectRegistryError;
    };
    const Case cases[] = {
        {"first password set", 1, false, true, true, 0, 1, false},
        {"first password cancelled", 1, false, false, false, 1, 1, false},
        {"on again, old password kept", 0, false, false, true, 0, 0, false},
        {"off, no question", 0, true, false, false, 0, 0, false},
        {"damaged", 2, false, true, false, 2, 0, true},
        {"key missing", -99, false, true, false, 2, 0, true},
    };
    for (const Case& c : cases) {
        CommandRig rig;
        if (c.storedFirstTime != -99)
            rig.settings.write(Key::FirstTimePassword, c.storedFirstTime);
        rig.usePassword = c.usePassword;
        rig.firstTimePassword = c.storedFirstTime == 1;
        rig.dialogs.queue(c.dialogAnswer);
        ActivatePassword(rig.flags, rig.context);
        EXPECT_EQ(rig.usePassword, c.expectUse) << c.name;
        EXPECT_EQ(rig.settings.read(Key::UsePassword), c.expectUse ? 1 : 0) << c.name;
        EXPECT_EQ(rig.settings.read(Key::FirstTimePassword), c.expectFirstTime) << c.name;
        EXPECT_EQ(rig.firstTimePassword, c.expectFirstTime == 1) << c.name;
        EXPECT_EQ(rig.dialogs.setNewRuns, c.expectSetNewRuns) << c.name;
        EXPECT_EQ(rig.messages.texts(),
                  c.expectRegistryError
                      ? QStringList{"Registry error.\n\nYou may need to reinstall the software."}
                      : QStringList{})
            << c.name;
        if (c.expectRegistryError) {
            EXPECT_EQ(rig.messages.shown()[0].icon, MessageIcon::Stop);
        }
    }
}

TEST(ActivatePassword, ANewPasswordReseedsTheGenerator)
{
    CommandRig rig;
    rig.settings.write(Key::FirstTimePassword, 1);
    rig.random.seed(99);
    rig.dialogs.queue(true);
    ActivatePassword(rig.flags, rig.context);
    EXPECT_TRUE(rig.reseeded());
}

TEST(ChangePassword, ReseedsOnlyWhenChanged)
{
    CommandRig rig;
    rig.random.seed(99);
    ChangePassword(rig.context);
    EXPECT_EQ(rig.dialogs.changeRuns, 1);
    EXPECT_FALSE(rig.reseeded());
    rig.dialogs.queue(true);
    ChangePassword(rig.context);
    EXPECT_TRUE(rig.reseeded());
    EXPECT_TRUE(ChangePasswordEnabled(false));
    EXPECT_FALSE(ChangePasswordEnabled(true));
}
