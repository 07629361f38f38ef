#include "tests/recorder/dialogs/saver/SaverDialogKit.h"

#include "recorder/dialogs/widgets/UnsignedSpinBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QRadioButton>
#include <QWhatsThis>
#include <gtest/gtest.h>

namespace {

const QString kFileError = "File Pennivel159.ini error.\n\nYou may need to reinstall the software.";
const QString kRefused = "- - | [ ] - - | off: all tip tipBox change timer ok";

std::string CutToLines(const std::string& bytes, int lines)
{
    std::size_t end = 0;
    for (int i = 0; i < lines; ++i)
        end = bytes.find('\n', end) + 1;
    return bytes.substr(0, end);
}

struct OpeningCase {
    const char* name;
    std::string bytes;
    int tipCount;
    QString state;
    QStringList messages;
};

void PrintTo(const OpeningCase& c, std::ostream* os)
{
    *os << c.name;
}

class SaverSettingsOpening : public ::testing::TestWithParam<OpeningCase> {};

const SaverSettings kTipFive{false, false, 5, true, 10, true, false};

} // namespace

TEST_P(SaverSettingsOpening, ShowsTheFileAsTheSaverWillTakeIt)
{
    SaverFileRig rig(GetParam().bytes);
    const auto dialog = rig.open(GetParam().tipCount);
    EXPECT_EQ(Describe(*dialog), GetParam().state);
    EXPECT_EQ(rig.messages.texts(), GetParam().messages);
}

INSTANTIATE_TEST_SUITE_P(
    Files, SaverSettingsOpening,
    ::testing::Values(OpeningCase{"both modes set: All Tips wins",
                                  FormatSaverSettings({true, true, 2, true, 10, true, true}),
                                  3,
                                  "All Tips 2 | [x] 10 seconds | off: tipBox change",
                                  {}},
                      OpeningCase{"All Tips ticks the timer whatever the file says",
                                  FormatSaverSettings({true, false, 2, false, 10, false, true}),
                                  3,
                                  "All Tips 2 | [x] 10 minutes | off: tipBox change",
                                  {}},
                      OpeningCase{"no Tips: always the clock",
                                  FormatSaverSettings(kTipFive),
                                  0,
                                  "Clock 5 | [x] 10 seconds | off: all tip tipBox",
                                  {}},
                      OpeningCase{
                          "no Tips keeps a Tip number no Tip has",
                          FormatSaverSettings({false, true, 4294967295u, false, 3, false, false}),
                          0,
                          "Clock 4294967295 | [ ] 3 hours | off: all tip tipBox timer",
                          {}},
                      OpeningCase{"one Tip: number 1, not editable",
                                  FormatSaverSettings(kTipFive),
                                  1,
                                  "Tip # 1 | [x] 10 seconds | off: tipBox",
                                  {}},
                      OpeningCase{"Tip number 0 opens as 1",
                                  FormatSaverSettings({false, false, 0, true, 10, false, true}),
                                  4,
                                  "Tip # 1 | [x] 10 minutes | off:",
                                  {}},
                      OpeningCase{"Tip number above the Tips opens as the last",
                                  FormatSaverSettings(kTipFive),
                                  3,
                                  "Tip # 3 | [x] 10 seconds | off:",
                                  {}},
                      OpeningCase{"timer 0 opens as 1",
                                  FormatSaverSettings({false, true, 1, true, 0, false, false}),
                                  6,
                                  "Clock 1 | [x] 1 hours | off: tipBox",
                                  {}},
                      OpeningCase{"timer 75 opens as 59",
                                  FormatSaverSettings({false, false, 2, false, 75, false, false}),
                                  6,
                                  "Tip # 2 | [ ] 59 hours | off: timer",
                                  {}},
                      OpeningCase{"thirteen lines",
                                  CutToLines(FormatSaverSettings(kTipFive), 13),
                                  5,
                                  kRefused,
                                  {kFileError}},
                      OpeningCase{"no settings file", "", 5, kRefused, {kFileError}}));

TEST(SaverSettingsDlg, MissingAndUnusableDirectoriesLeaveOnlyCancel)
{
    ScriptedMessages messages;
    TempDir dir;
    CSaverSettingsDlg missing(nullptr, 3, dir.path(), messages);
    EXPECT_EQ(Describe(missing), kRefused);
    CSaverSettingsDlg noDirectory(nullptr, 3, "", messages);
    EXPECT_EQ(Describe(noDirectory), kRefused);
    ASSERT_EQ(messages.shown().size(), 2u);
    EXPECT_EQ(messages.texts()[0], kFileError);
    EXPECT_TRUE(messages.texts()[1].startsWith("Error detected.\n\n"));
    EXPECT_EQ(messages.shown()[1].icon, MessageIcon::Stop);
}

TEST(SaverSettingsDlg, ClicksFollowTheRules)
{
    SaverFileRig rig(FormatSaverSettings({false, false, 2, false, 10, true, false}));
    const auto dialog = rig.open(3);
    EXPECT_EQ(Describe(*dialog), "Tip # 2 | [ ] 10 seconds | off: timer");
    Child<QRadioButton>(*dialog, "allTipsButton")->click();
    EXPECT_EQ(Describe(*dialog), "All Tips 2 | [x] 10 seconds | off: tipBox change");
    Child<QRadioButton>(*dialog, "clockButton")->click();
    EXPECT_EQ(Describe(*dialog), "Clock 2 | [x] 10 seconds | off: tipBox");
    Child<QCheckBox>(*dialog, "changeTimerBox")->click();
    EXPECT_EQ(Describe(*dialog), "Clock 2 | [ ] 10 seconds | off: tipBox timer");
    Child<QRadioButton>(*dialog, "tipNumberButton")->click();
    EXPECT_EQ(Describe(*dialog), "Tip # 2 | [ ] 10 seconds | off: timer");
}

TEST(SaverSettingsDlg, KeyboardReachesEveryControlInOrder)
{
    SaverFileRig rig(FormatSaverSettings({false, false, 2, true, 10, true, false}));
    const auto dialog = rig.open(3);
    ShowAndActivate(*dialog);
    Child<QWidget>(*dialog, "tipNumberButton")->setFocus();
    QStringList visited;
    for (int i = 0; i < 7; ++i) {
        PressKey(*dialog, Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited, QStringList({"tipNumberBox", "changeTimerBox", "everyBox", "secondsButton",
                                    "okButton", "cancelButton", "tipNumberButton"}));

    // The arrows move the mode within its group and step the numbers within their range.
    PressKey(*dialog, Qt::Key_Up);
    EXPECT_TRUE(Child<QRadioButton>(*dialog, "allTipsButton")->isChecked());
    EveryBox(*dialog)->setFocus();
    PressKey(*dialog, Qt::Key_Up);
    EXPECT_EQ(EveryBox(*dialog)->text(), "11");

    PressKey(*dialog, Qt::Key_F1);
    EXPECT_TRUE(WaitUntil([] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible() && window->inherits("QWhatsThat"))
                return true;
        }
        return false;
    })) << "F1 shows the focused control's help";
    QWhatsThis::hideText();
    PressKey(*dialog, Qt::Key_Escape);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
}
