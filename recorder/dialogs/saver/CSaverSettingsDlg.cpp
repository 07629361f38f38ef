#include "recorder/dialogs/saver/CSaverSettingsDlg.h"

#include "common/DataFilePath.h"
#include "common/FirstLineCheck.h"
#include "platform/Messages.h"
#include "recorder/dialogs/saver/SaverSettingsLayout.h"
#include "recorder/dialogs/widgets/UnsignedSpinBox.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

namespace {

const QString kFileError =
    QStringLiteral("File Pennivel159.ini error.\n\nYou may need to reinstall the software.");
const QString kErrorDetected = QStringLiteral("Error detected.");
constexpr std::uint32_t kMaxTimer = 59;

} // namespace

CSaverSettingsDlg::CSaverSettingsDlg(QWidget* parent, int tipCount,
                                     const std::string& dataDirectory, Messages& messages)
    : QDialog(parent), tipCount(tipCount), windowsDir(WithoutRootSeparator(dataDirectory)),
      m_messages(messages), m_ui(LayOutSaverSettings(this))
{
    connect(m_ui.ok, &QPushButton::clicked, this, &CSaverSettingsDlg::accept);
    connect(m_ui.cancel, &QPushButton::clicked, this, &CSaverSettingsDlg::reject);

    OnInitDialog();

    // Connected after opening, so only the user's choices run the rules.
    connect(m_ui.allTips, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            OnAllTips();
    });
    connect(m_ui.tipRadio, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            OnTipNumber();
    });
    connect(m_ui.clock, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            OnClock();
    });
    connect(m_ui.changeTimer, &QCheckBox::toggled, this, &CSaverSettingsDlg::OnChangeTimer);
}

void CSaverSettingsDlg::OnInitDialog()
{
    const PositionalReading reading = ReadSaverSettingsByPosition(SaverSettingsPath(windowsDir));
    switch (reading.status) {
    case SaverFileStatus::Read: break;
    case SaverFileStatus::PathUnusable:
    case SaverFileStatus::OpenFailed:
        refuseInput();
        reportError(FileError::ErrorDetected, reading.reason);
        return;
    case SaverFileStatus::CheckFailed:
    case SaverFileStatus::LineMissing:
        refuseInput();
        reportError(FileError::Broken);
        return;
    }
    applyMode(reading.values);
    tipNumber = reading.values.tipNumber;
    origTipNumber = static_cast<std::int32_t>(tipNumber);
    applyTimer(reading.values);
    tail = reading.tail;
    tailCount = static_cast<int>(tail.size());
    applyTipCount();
    exchange(false);
    for (QRadioButton* mode : {m_ui.allTips, m_ui.tipRadio, m_ui.clock}) {
        if (mode->isChecked())
            mode->setFocus();
    }
}

void CSaverSettingsDlg::applyMode(const SaverSettings& values)
{
    if (values.useAllTips && tipCount >= 1) {
        m_ui.allTips->setChecked(true);
        enableTipControls(false);
        m_ui.changeTimer->setEnabled(false);
        m_ui.changeTimer->setChecked(true);
        enableTimerControls(true);
        origAllTips = 1;
        origClock = 0;
    } else if (!values.clock && tipCount > 0) {
        m_ui.tipRadio->setChecked(true);
        enableTipControls(true);
        m_ui.changeTimer->setEnabled(true);
        origAllTips = origClock = 0;
    } else {
        m_ui.clock->setChecked(true);
        enableTipControls(false);
        m_ui.changeTimer->setEnabled(true);
        enableTimerControls(true);
        origClock = 1;
        origAllTips = 0;
    }
}

void CSaverSettingsDlg::applyTimer(const SaverSettings& values)
{
    if (values.timerCheck) {
        m_ui.changeTimer->setChecked(true);
        if (m_ui.tipRadio->isChecked())
            enableTimerControls(true);
        origTimerCheck = 1;
    } else {
        // All Tips always change on a timer, whatever the file says.
        if (!m_ui.allTips->isChecked()) {
            m_ui.changeTimer->setChecked(false);
            enableTimerControls(false);
        }
        origTimerCheck = 0;
    }
    timer = values.timer;
    origTimer = static_cast<std::int32_t>(timer);
    origSeconds = values.seconds ? 1 : 0;
    origMinutes = !values.seconds && values.minutes ? 1 : 0;
    (origSeconds ? m_ui.seconds : origMinutes ? m_ui.minutes : m_ui.hours)->setChecked(true);
}

void CSaverSettingsDlg::applyTipCount()
{
    if (tipCount == 1) {
        tipNumber = 1;
        enableTipControls(false);
    } else if (tipCount < 1) {
        m_ui.allTips->setEnabled(false);
        m_ui.tipRadio->setEnabled(false);
    }
    if (tipCount >= 1) {
        const auto count = static_cast<std::uint32_t>(tipCount);
        m_ui.tipNumberBox->setRange(1, count);
        tipNumber = std::clamp<std::uint32_t>(tipNumber, 1, count);
    }
    m_ui.everyBox->setRange(1, kMaxTimer);
    timer = std::clamp<std::uint32_t>(timer, 1, kMaxTimer);
}

bool CSaverSettingsDlg::exchange(bool fromControls)
{
    if (!fromControls) {
        m_ui.tipNumberBox->setValue(tipNumber);
        m_ui.everyBox->setValue(timer);
        return true;
    }
    for (UnsignedSpinBox* box : {m_ui.tipNumberBox, m_ui.everyBox}) {
        if (!box->value()) {
            m_messages.show(QStringLiteral("Please enter a positive integer."),
                            MessageIcon::Exclamation);
            box->setFocus();
            box->selectAll();
            return false;
        }
    }
    tipNumber = *m_ui.tipNumberBox->value();
    timer = *m_ui.everyBox->value();
    return true;
}

void CSaverSettingsDlg::accept()
{
    if (!m_ui.ok->isEnabled() || !exchange(true))
        return;
    const auto count = static_cast<std::uint32_t>(tipCount);
    if (m_ui.tipRadio->isChecked() && (tipNumber == 0 || tipNumber > count)) {
        message = tipCount == 1
                      ? QStringLiteral("There is only one Tip.")
                      : QStringLiteral("Please enter a Tip number between 1 and %1.").arg(tipCount);
        m_messages.show(message, MessageIcon::Exclamation);
        m_ui.tipNumberBox->setFocus();
        m_ui.tipNumberBox->selectAll();
        return;
    }
    if (m_ui.changeTimer->isChecked() && (timer == 0 || timer > kMaxTimer)) {
        m_messages.show(QStringLiteral("Please enter a timer between 1 and 59."),
                        MessageIcon::Exclamation);
        m_ui.everyBox->setFocus();
        m_ui.everyBox->selectAll();
        return;
    }
    if ((unchanged() && tipCount != 0) || writeFile())
        QDialog::accept();
}

bool CSaverSettingsDlg::unchanged() const
{
    // "Tip #" and "hours" follow from the others and are not compared.
    return m_ui.allTips->isChecked() == (origAllTips != 0) &&
           m_ui.clock->isChecked() == (origClock != 0) &&
           m_ui.seconds->isChecked() == (origSeconds != 0) &&
           m_ui.minutes->isChecked() == (origMinutes != 0) &&
           m_ui.changeTimer->isChecked() == (origTimerCheck != 0) &&
           tipNumber == static_cast<std::uint32_t>(origTipNumber) &&
           timer == static_cast<std::uint32_t>(origTimer);
}

SaverSettings CSaverSettingsDlg::chosenValues() const
{
    return SaverSettings{m_ui.allTips->isChecked(),
                         m_ui.clock->isChecked(),
                         tipNumber,
                         m_ui.changeTimer->isChecked(),
                         timer,
                         m_ui.seconds->isChecked(),
                         m_ui.minutes->isChecked()};
}

bool CSaverSettingsDlg::writeFile()
{
    const std::string path = SaverSettingsPath(windowsDir);
    if (path.empty()) {
        reportError(FileError::ErrorDetected, "no usable path for the settings file");
        return false;
    }
    if (CheckSettingsFile(path) != kCheckFound) {
        reportError(FileError::Broken);
        return false;
    }
    std::string error;
    if (!WriteSaverSettingsFile(path, chosenValues(), tail, error)) {
        reportError(FileError::ErrorDetected, error);
        return false;
    }
    return true;
}

void CSaverSettingsDlg::reportError(FileError error, const std::string& reason)
{
    // Only Cancel is left: nothing may be written from a dialog that is not sure of the
    // file, and the values below may be half set.
    m_ui.ok->setEnabled(false);
    m_ui.cancel->setDefault(true);
    QString text = error == FileError::Broken ? kFileError : kErrorDetected;
    if (!reason.empty())
        text += QStringLiteral("\n\n") +
                QString::fromLocal8Bit(reason.data(), static_cast<qsizetype>(reason.size()));
    m_messages.show(text, MessageIcon::Stop);
}

void CSaverSettingsDlg::refuseInput()
{
    // The file was not read whole, so there are no values to show or edit.
    m_ui.useGroup->setEnabled(false);
    m_ui.timerGroup->setEnabled(false);
}

void CSaverSettingsDlg::OnAllTips()
{
    enableTipControls(false);
    enableTimerControls(true);
    m_ui.changeTimer->setEnabled(false);
    m_ui.changeTimer->setChecked(true);
}

void CSaverSettingsDlg::OnTipNumber()
{
    if (tipCount > 1)
        enableTipControls(true);
    m_ui.changeTimer->setEnabled(true);
    enableTimerControls(m_ui.changeTimer->isChecked());
}

void CSaverSettingsDlg::OnClock()
{
    enableTipControls(false);
    m_ui.changeTimer->setEnabled(true);
    enableTimerControls(m_ui.changeTimer->isChecked());
}

void CSaverSettingsDlg::OnChangeTimer()
{
    enableTimerControls(m_ui.changeTimer->isChecked());
}

void CSaverSettingsDlg::enableTipControls(bool enable)
{
    m_ui.tipNumberBox->setEnabled(enable);
}

void CSaverSettingsDlg::enableTimerControls(bool enable)
{
    for (QWidget* control :
         std::initializer_list<QWidget*>{m_ui.everyBox, m_ui.seconds, m_ui.minutes, m_ui.hours})
        control->setEnabled(enable);
}
