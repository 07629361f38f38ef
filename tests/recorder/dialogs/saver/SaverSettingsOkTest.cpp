#include "tests/recorder/dialogs/saver/SaverDialogKit.h"

#include "recorder/dialogs/widgets/UnsignedSpinBox.h"

#include <QCheckBox>
#include <QRadioButton>
#include <functional>
#include <gtest/gtest.h>
#include <optional>

namespace {

using Action = std::function<void(CSaverSettingsDlg&)>;

Action Click(const char* name)
{
    return [name](CSaverSettingsDlg& dialog) { Child<QAbstractButton>(dialog, name)->click(); };
}

Action TypeEvery(const char* text)
{
    return [text](CSaverSettingsDlg& dialog) { TypeInto(EveryBox(dialog), text); };
}

struct OkCase {
    const char* name;
    std::string bytes;
    int tipCount;
    Action action;
    std::optional<std::string> written; // nothing: the file keeps its bytes
    QStringList messages;
    bool closes;
};

void PrintTo(const OkCase& c, std::ostream* os)
{
    *os << c.name;
}

class SaverSettingsOk : public ::testing::TestWithParam<OkCase> {};

const SaverSettings kTipTwo{false, false, 2, true, 10, true, false};
// Written by hand with LF line ends: any rewrite would turn them into CR LF.
const std::string kClockLf =
    "Use All Tips=\n0\nClock=\n1\nTip#=\n2\nTimer Check=\n1\nTimer=\n30\nSeconds=\n0\n"
    "Minutes=\n1\n\n; my note\n";

} // namespace

TEST_P(SaverSettingsOk, WritesExactlyTheChosenValues)
{
    const OkCase& c = GetParam();
    SaverFileRig rig(c.bytes);
    const auto dialog = rig.open(c.tipCount);
    ShowAndActivate(*dialog);
    c.action(*dialog);
    PressKey(*dialog, Qt::Key_Return);
    EXPECT_EQ(ReadBytes(rig.path), c.written.value_or(c.bytes));
    EXPECT_EQ(rig.messages.texts(), c.messages);
    EXPECT_EQ(dialog->isVisible(), !c.closes);
    EXPECT_EQ(dialog->result(), c.closes ? QDialog::Accepted : QDialog::Rejected);
}

INSTANTIATE_TEST_SUITE_P(
    Actions, SaverSettingsOk,
    ::testing::Values(
        OkCase{"hours writes 0 for both units",
               FormatSaverSettings(kTipTwo),
               3,
               Click("hoursButton"),
               FormatSaverSettings({false, false, 2, true, 10, false, false}),
               {},
               true},
        OkCase{"unticking the timer keeps Every and its unit",
               kClockLf,
               3,
               Click("changeTimerBox"),
               FormatSaverSettings({false, true, 2, false, 30, false, true}, {"\n", "; my note\n"}),
               {},
               true},
        OkCase{"nothing changed: nothing written",
               kClockLf,
               3,
               [](CSaverSettingsDlg&) {},
               std::nullopt,
               {},
               true},
        OkCase{"no Tips: rewritten although unchanged",
               kClockLf,
               0,
               [](CSaverSettingsDlg&) {},
               FormatSaverSettings({false, true, 2, true, 30, false, true}, {"\n", "; my note\n"}),
               {},
               true},
        OkCase{"both modes set: Clock goes back as 0",
               FormatSaverSettings({true, true, 2, true, 10, true, false}),
               3,
               TypeEvery("20"),
               FormatSaverSettings({true, false, 2, true, 20, true, false}),
               {},
               true},
        OkCase{"mode chosen with the arrow keys",
               FormatSaverSettings(kTipTwo),
               3,
               [](CSaverSettingsDlg& dialog) {
                   Child<QWidget>(dialog, "tipNumberButton")->setFocus();
                   PressKey(dialog, Qt::Key_Down);
               },
               FormatSaverSettings({false, true, 2, true, 10, true, false}),
               {},
               true},
        OkCase{"a Tip number no Tip has",
               FormatSaverSettings(kTipTwo),
               5,
               [](CSaverSettingsDlg& dialog) { TypeInto(TipNumberBox(dialog), "6"); },
               std::nullopt,
               {"Please enter a Tip number between 1 and 5."},
               false},
        OkCase{"a timer of 60",
               FormatSaverSettings(kTipTwo),
               5,
               TypeEvery("60"),
               std::nullopt,
               {"Please enter a timer between 1 and 59."},
               false},
        OkCase{"the timer is checked only while it is on",
               FormatSaverSettings(kTipTwo),
               5,
               [](CSaverSettingsDlg& dialog) {
                   TypeInto(EveryBox(dialog), "0");
                   Child<QAbstractButton>(dialog, "changeTimerBox")->click();
               },
               FormatSaverSettings({false, false, 2, false, 0, true, false}),
               {},
               true},
        OkCase{"an emptied box",
               FormatSaverSettings(kTipTwo),
               5,
               TypeEvery(""),
               std::nullopt,
               {"Please enter a positive integer."},
               false}));

TEST(SaverSettingsDlg, CancelWritesNothing)
{
    SaverFileRig rig(kClockLf);
    const auto dialog = rig.open(0);
    ShowAndActivate(*dialog);
    Child<QRadioButton>(*dialog, "hoursButton")->click();
    PressKey(*dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(ReadBytes(rig.path), kClockLf);
}
