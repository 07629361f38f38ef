#pragma once

#include "common/SaverSettingsFile.h"
#include "recorder/dialogs/saver/CSaverSettingsDlg.h"
#include "tests/recorder/dialogs/DialogTestKit.h"
#include "tests/support/TempDir.h"

#include <memory>

class UnsignedSpinBox;

// The dialog state a user sees, in one line: the mode and the Tip #, the timer, then the
// controls that are disabled ("timer" stands for Every and the three units) and "ok"
// when OK is disabled. For example "Tip # 5 | [x] 10 seconds | off: change".
QString Describe(CSaverSettingsDlg& dialog);

UnsignedSpinBox* TipNumberBox(QWidget& dialog);
UnsignedSpinBox* EveryBox(QWidget& dialog);
void TypeInto(UnsignedSpinBox* box, const QString& text);

// A data directory holding a saver settings file with the given bytes.
struct SaverFileRig {
    explicit SaverFileRig(const std::string& bytes) { WriteBytes(path, bytes); }
    std::unique_ptr<CSaverSettingsDlg> open(int tipCount)
    {
        return std::make_unique<CSaverSettingsDlg>(nullptr, tipCount, dir.path(), messages);
    }

    TempDir dir;
    std::string path = dir.file(kSaverSettingsFileName);
    ScriptedMessages messages;
};
