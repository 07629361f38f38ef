#include "tests/recorder/dialogs/saver/SaverDialogKit.h"

#include <QApplication>
#include <QWhatsThis>
#include <gtest/gtest.h>

namespace {

const QString kFileError = "File Pennivel159.ini error.\n\nYou may need to reinstall the software.";
const QString kRefused = "- - | [ ] - - | off: all tip tipBox change timer ok";
const SaverSettings kTipFive{false, false, 5, true, 10, true, false};

std::string Format(SaverSettings settings)
{
    return FormatSaverSettings(settings);
}

} // namespace

TEST(SaverSettingsDlg, OpensAsTheSaverWillTakeTheFile)
{
    const std::string thirteenLines = Format(kTipFive).substr(0, Format(kTipFive).rfind("0"));
    const struct {
        std::string bytes;
        int tipCount;
        QString state;
    } rows[] = {
        {Format({true, true, 2, true, 10, true, true}), 3,
         "All Tips 2 | [x] 10 seconds | off: tipBox change"},
        // All Tips always change on the timer, whatever the file says.
        {Format({true, false, 2, false, 10, false, true}), 3,
         "All Tips 2 | [x] 10 minutes | off: tipBox change"},
        {Format(kTipFive), 0, "Clock 5 | [x] 10 seconds | off: all tip tipBox"},
        {Format({false, true, 4294967295u, false, 3, false, false}), 0,
         "Clock 4294967295 | [ ] 3 hours | off: all tip tipBox timer"},
        {Format(kTipFive), 1, "Tip # 1 | [x] 10 seconds | off: tipBox"},
        {Format({false, false, 0, true, 0, false, true}), 4, "Tip # 1 | [x] 1 minutes | off:"},
        {Format({false, false, 5, false, 75, false, false}), 3,
         "Tip # 3 | [ ] 59 hours | off: timer"},
        {thirteenLines, 5, kRefused},
        {"", 5, kRefused},
    };
    for (const auto& row : rows) {
        SaverFileRig rig(row.bytes);
        EXPECT_EQ(Describe(*rig.open(row.tipCount)), row.state) << row.bytes;
        EXPECT_EQ(rig.messages.texts(),
                  row.state == kRefused ? QStringList{kFileError} : QStringList{});
    }
    ScriptedMessages messages;
    CSaverSettingsDlg noDirectory(nullptr, 3, "", messages);
    EXPECT_EQ(Describe(noDirectory), kRefused);
    EXPECT_TRUE(messages.texts().value(0).startsWith("Error detected.\n\n"));
}

TEST(SaverSettingsDlg, ClicksFollowTheRules)
{
    SaverFileRig rig(Format({false, false, 2, false, 10, true, false}));
    const auto dialog = rig.open(3);
    const std::pair<const char*, QString> steps[] = {
        {"allTipsButton", "All Tips 2 | [x] 10 seconds | off: tipBox change"},
        {"clockButton", "Clock 2 | [x] 10 seconds | off: tipBox"},
        {"changeTimerBox", "Clock 2 | [ ] 10 seconds | off: tipBox timer"},
        {"tipNumberButton", "Tip # 2 | [ ] 10 seconds | off: timer"}};
    for (const auto& [button, state] : steps) {
        Child<QAbstractButton>(*dialog, button)->click();
        EXPECT_EQ(Describe(*dialog), state) << button;
    }
}

TEST(SaverSettingsDlg, KeyboardReachesEveryControlInOrder)
{
    SaverFileRig rig(Format({false, false, 2, true, 10, true, false}));
    const auto dialog = rig.open(3);
    ShowAndActivate(*dialog);
    QStringList visited;
    for (int i = 0; i < 7; ++i) {
        PressKey(*dialog, Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited, QStringList({"tipNumberBox", "changeTimerBox", "everyBox", "secondsButton",
                                    "okButton", "cancelButton", "tipNumberButton"}));
    PressKey(*dialog, Qt::Key_F1);
    EXPECT_TRUE(WaitUntil([] {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible() && window->inherits("QWhatsThat"))
                return true;
        return false;
    })) << "F1 shows the focused control's help";
    QWhatsThis::hideText();
}
