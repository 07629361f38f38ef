#pragma once

#include "common/SaverSettingsFile.h"
#include "recorder/dialogs/saver/SaverSettingsLayout.h"

#include <QDialog>
#include <cstdint>
#include <string>
#include <vector>

class Messages;

// "Screen Saver Settings": shows the saver settings file as the screen saver will take
// it, lets the user choose the mode and the timer, and rewrites the whole file on OK.
// It reads the file once when it opens and writes it at most once; a file it could
// not read whole leaves only Cancel.
class CSaverSettingsDlg : public QDialog {
    Q_OBJECT
  public:
    // `dataDirectory` is where both shared files lie, as the platform reports it.
    CSaverSettingsDlg(QWidget* parent, int tipCount, const std::string& dataDirectory,
                      Messages& messages);

    const int tipCount;
    int tailCount = 0;
    // The values found in the file, for telling whether OK changes anything.
    int origTimerCheck = 0;
    int origAllTips = 0;
    int origClock = 0;
    int origSeconds = 0;
    int origMinutes = 0;
    std::int32_t origTimer = 0;
    std::int32_t origTipNumber = 0;
    QString message;
    std::string windowsDir;
    std::vector<std::string> tail;
    std::uint32_t tipNumber = 0;
    std::uint32_t timer = 0;

    void accept() override; // OK and Enter: validates, then writes when anything changed

  private:
    void buildControls();
    void OnInitDialog();
    void applyMode(const SaverSettings& values);
    void applyTimer(const SaverSettings& values);
    void applyTipCount();
    bool exchange(bool fromControls);
    bool unchanged() const;
    bool writeFile();
    SaverSettings chosenValues() const;

    void OnAllTips();
    void OnTipNumber();
    void OnClock();
    void OnChangeTimer();
    void enableTipControls(bool enable);
    void enableTimerControls(bool enable);
    void refuseInput();

    enum class FileError { Broken, ErrorDetected };
    void reportError(FileError error, const std::string& reason = {});

    Messages& m_messages;
    const SaverSettingsControls m_ui;
};
