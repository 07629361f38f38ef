#include "tests/recorder/dialogs/saver/SaverDialogKit.h"

#include "recorder/dialogs/widgets/UnsignedSpinBox.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

namespace {

QString Checked(QWidget& dialog, std::initializer_list<const char*> names)
{
    for (const char* name : names) {
        auto* button = Child<QRadioButton>(dialog, name);
        if (button->isChecked())
            return button->text();
    }
    return QStringLiteral("-");
}

} // namespace

UnsignedSpinBox* TipNumberBox(QWidget& dialog)
{
    return Child<UnsignedSpinBox>(dialog, "tipNumberBox");
}

UnsignedSpinBox* EveryBox(QWidget& dialog)
{
    return Child<UnsignedSpinBox>(dialog, "everyBox");
}

void TypeInto(UnsignedSpinBox* box, const QString& text)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

QString Describe(CSaverSettingsDlg& dialog)
{
    auto* change = Child<QCheckBox>(dialog, "changeTimerBox");
    QString off;
    const std::pair<const char*, const char*> controls[] = {{"allTipsButton", "all"},
                                                            {"tipNumberButton", "tip"},
                                                            {"tipNumberBox", "tipBox"},
                                                            {"changeTimerBox", "change"},
                                                            {"everyBox", "timer"}};
    for (auto [name, shortName] : controls) {
        if (!Child<QWidget>(dialog, name)->isEnabled())
            off += QStringLiteral(" ") + shortName;
    }
    for (const char* unit : {"secondsButton", "minutesButton", "hoursButton"}) {
        if (Child<QWidget>(dialog, unit)->isEnabled() != EveryBox(dialog)->isEnabled())
            off += QStringLiteral(" unit-differs");
    }
    if (!Child<QWidget>(dialog, "okButton")->isEnabled())
        off += QStringLiteral(" ok");
    const auto text = [](UnsignedSpinBox* box) {
        return box->text().isEmpty() ? QStringLiteral("-") : box->text();
    };
    return Checked(dialog, {"allTipsButton", "tipNumberButton", "clockButton"}) + " " +
           text(TipNumberBox(dialog)) + " | " + (change->isChecked() ? "[x] " : "[ ] ") +
           text(EveryBox(dialog)) + " " +
           Checked(dialog, {"secondsButton", "minutesButton", "hoursButton"}) + " | off:" + off;
}
