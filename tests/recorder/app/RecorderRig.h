#pragma once

#include "common/Clock.h"
#include "common/MsRandom.h"
#include "recorder/app/CBrevantApp.h"
#include "recorder/app/CBrevantDoc.h"
#include "recorder/data/RecorderSettings.h"
#include "recorder/data/UserDataSetup.h"
#include "tests/support/ScriptedMessages.h"
#include "tests/support/ScriptedPasswordDialogs.h"
#include "tests/support/TempDir.h"

// A recorder with scripted messages and password dialogs, its data directory and
// settings store in a fresh temporary directory, and a fixed clock.
struct RecorderRig {
    TempDir dir;
    std::string dataDir = dir.file("data");
    RecorderSettings settings{QString::fromStdString(dir.file("Pennivel.conf"))};
    ScriptedMessages messages;
    ScriptedPasswordDialogs passwords;
    MsRandom random;
    FixedClock clock{1'700'000'123};
    // What the start does while the Tips file is read, as the real one makes its window.
    std::function<void()> whileTipsAreRead;
    CBrevantApp app{{messages, settings, passwords, random, clock, [this] { return dataDir; }},
                    nullptr,
                    [this] {
                        if (whileTipsAreRead)
                            whileTipsAreRead();
                    }};

    // What an installation leaves: the data directory, the saver settings file and
    // "no password yet".
    void install() { SetUpUserData(dataDir, settings); }
    std::string tipsPath() const { return dataDir + "/PennivelTips.ini"; }
    bool start() { return app.OpenDocument(); }
    CBrevantDoc& doc() { return *app.document(); }
};
