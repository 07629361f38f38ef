#pragma once

class QCheckBox;
class QDialog;
class QGroupBox;
class QPushButton;
class QRadioButton;
class UnsignedSpinBox;

struct SaverSettingsControls {
    QGroupBox* useGroup;
    QRadioButton* allTips;
    QRadioButton* tipRadio;
    UnsignedSpinBox* tipNumberBox;
    QRadioButton* clock;
    QGroupBox* timerGroup;
    QCheckBox* changeTimer;
    UnsignedSpinBox* everyBox;
    QRadioButton* seconds;
    QRadioButton* minutes;
    QRadioButton* hours;
    QPushButton* ok;
    QPushButton* cancel;
};

// The controls of "Screen Saver Settings" with their help texts, names and tab order:
// the "Use" group beside the "Timer" group, OK and Cancel below.
SaverSettingsControls LayOutSaverSettings(QDialog* dialog);
