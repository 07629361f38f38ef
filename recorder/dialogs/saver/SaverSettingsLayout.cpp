#include "recorder/dialogs/saver/SaverSettingsLayout.h"

#include "recorder/dialogs/tip/TipDialogLayout.h"
#include "recorder/dialogs/widgets/AccessibleLabels.h"
#include "recorder/dialogs/widgets/MnemonicButton.h"
#include "recorder/dialogs/widgets/RadioGroupFocus.h"
#include "recorder/dialogs/widgets/UnsignedSpinBox.h"

#include <QCheckBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>

namespace {

template <class T> T* Named(T* widget, const char* name, const QString& help)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setWhatsThis(help);
    return widget;
}

} // namespace

SaverSettingsControls LayOutSaverSettings(QDialog* dialog)
{
    dialog->setObjectName(QStringLiteral("CSaverSettingsDlg"));
    dialog->setWindowTitle(QObject::tr("Screen Saver Settings"));
    auto* content = new QWidget(dialog);
    SaverSettingsControls c{};

    c.useGroup = new QGroupBox(QObject::tr("Use"), content);
    c.allTips = Named(new QRadioButton(QObject::tr("&All Tips"), c.useGroup), "allTipsButton",
                      QObject::tr("The screen saver shows all your Tips in turn, in random "
                                  "order, in changing colours."));
    c.tipRadio = Named(new QRadioButton(QObject::tr("&Tip #"), c.useGroup), "tipNumberButton",
                       QObject::tr("The screen saver shows only the Tip with this number."));
    c.tipNumberBox = Named(new UnsignedSpinBox(c.useGroup), "tipNumberBox",
                           QObject::tr("The number of the Tip the screen saver shows."));
    c.clock = Named(new QRadioButton(QObject::tr("C&lock"), c.useGroup), "clockButton",
                    QObject::tr("The screen saver shows the time of day."));
    // The number box stands beside its radio button instead of a label.
    NameBox(c.tipNumberBox, QObject::tr("Tip number"));
    auto* use = new QGridLayout(c.useGroup);
    use->addWidget(c.allTips, 0, 0, 1, 2);
    use->addWidget(c.tipRadio, 1, 0);
    use->addWidget(c.tipNumberBox, 1, 1);
    use->addWidget(c.clock, 2, 0, 1, 2);
    use->setRowStretch(3, 1);

    c.timerGroup = new QGroupBox(QObject::tr("Timer"), content);
    c.changeTimer =
        Named(new QCheckBox(QObject::tr("C&hange Tips/Colors"), c.timerGroup), "changeTimerBox",
              QObject::tr("When ticked, the screen saver changes the Tip and its colour (the "
                          "clock: its colour) at the interval below; when not, they stay."));
    const QString everyHelp = QObject::tr("How often the screen saver changes, from 1 to 59.");
    auto* every = new QLabel(QObject::tr("&Every"), c.timerGroup);
    every->setWhatsThis(everyHelp);
    c.everyBox = Named(new UnsignedSpinBox(c.timerGroup), "everyBox", everyHelp);
    LabelBox(every, c.everyBox);
    const QString unitHelp = QObject::tr("The unit of the interval.");
    c.seconds =
        Named(new QRadioButton(QObject::tr("seco&nds"), c.timerGroup), "secondsButton", unitHelp);
    c.minutes =
        Named(new QRadioButton(QObject::tr("&minutes"), c.timerGroup), "minutesButton", unitHelp);
    c.hours = Named(new QRadioButton(QObject::tr("ho&urs"), c.timerGroup), "hoursButton", unitHelp);
    auto* timer = new QGridLayout(c.timerGroup);
    timer->addWidget(c.changeTimer, 0, 0, 1, 3);
    timer->addWidget(every, 1, 0);
    timer->addWidget(c.everyBox, 1, 1);
    timer->addWidget(c.seconds, 1, 2);
    timer->addWidget(c.minutes, 2, 2);
    timer->addWidget(c.hours, 3, 2);

    auto* row = new QHBoxLayout(content);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(c.useGroup);
    row->addWidget(c.timerGroup);

    c.ok = new MnemonicButton(QObject::tr("&OK"), dialog);
    c.ok->setObjectName(QStringLiteral("okButton"));
    c.ok->setDefault(true);
    c.cancel = new MnemonicButton(QObject::tr("&Cancel"), dialog);
    c.cancel->setObjectName(QStringLiteral("cancelButton"));
    // No design size of its own: the two groups side by side decide it.
    LayOutTipDialog(dialog, content, {c.ok, c.cancel}, QSize(0, 0), DialogResizing::Fixed);

    QWidget* order[] = {c.allTips, c.tipRadio, c.clock, c.tipNumberBox, c.changeTimer, c.everyBox,
                        c.seconds, c.minutes,  c.hours, c.ok,           c.cancel};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    TabToCheckedRadio({c.allTips, c.tipRadio, c.clock});
    TabToCheckedRadio({c.seconds, c.minutes, c.hours});
    return c;
}
