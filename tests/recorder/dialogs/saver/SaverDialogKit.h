#pragma once

#include "common/SaverSettingsFile.h"
#include "recorder/dialogs/saver/CSaverSettingsDlg.h"
#include "recorder/dialogs/widgets/UnsignedSpinBox.h"
#include "tests/recorder/dialogs/DialogTestKit.h"
#include "tests/support/TempDir.h"

#include <QAbstractButton>

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

inline UnsignedSpinBox* Box(QWidget& dialog, const char* name)
{
    return Child<UnsignedSpinBox>(dialog, name);
}

inline void TypeInto(UnsignedSpinBox* box, const QString& text)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

// What the user sees in one line: the checked mode and the Tip #, the timer, then the
// disabled controls ("timer": Every with its units) and "ok" when OK is disabled, for
// example "Tip # 5 | [x] 10 seconds | off: change".
inline QString Describe(QWidget& d)
{
    const auto checked = [&d](std::initializer_list<const char*> names) {
        for (const char* name : names)
            if (Child<QAbstractButton>(d, name)->isChecked())
                return Child<QAbstractButton>(d, name)->text().remove(u'&');
        return QStringLiteral("-");
    };
    const auto text = [&d](const char* name) {
        const QString shown = Box(d, name)->text();
        return shown.isEmpty() ? QStringLiteral("-") : shown;
    };
    QString off;
    for (auto [name, shortName] : {std::pair{"allTipsButton", " all"},
                                   {"tipNumberButton", " tip"},
                                   {"tipNumberBox", " tipBox"},
                                   {"changeTimerBox", " change"},
                                   {"everyBox", " timer"},
                                   {"okButton", " ok"}})
        off += Child<QWidget>(d, name)->isEnabled() ? "" : shortName;
    return checked({"allTipsButton", "tipNumberButton", "clockButton"}) + " " +
           text("tipNumberBox") + " | " +
           (Child<QAbstractButton>(d, "changeTimerBox")->isChecked() ? "[x] " : "[ ] ") +
           text("everyBox") + " " + checked({"secondsButton", "minutesButton", "hoursButton"}) +
           " | off:" + off;
}
