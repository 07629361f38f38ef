#pragma once

#include "platform/DataDirectory.h"
#include "recorder/dialogs/tip/TipDialogs.h"

#include <functional>
#include <string>

class Clock;
class Messages;
class QWidget;
class RecorderSettings;

// The real Add, Edit and Delete Tip # dialogs, owned by the recorder's window.
class QtTipDialogs : public TipDialogs {
  public:
    // `settings` keeps the date form the Add dialog starts with; the saver settings are
    // looked for in `dataDirectory` each time their dialog opens.
    QtTipDialogs(QWidget* parent, Messages& messages, const Clock& clock,
                 RecorderSettings& settings,
                 std::function<std::string()> dataDirectory = DataDirectory);

    std::vector<Tip> runAdd(int tipCount, const TipCollection& tips) override;
    std::optional<Tip> runEdit(int tipNumber, const Tip& shown, int tipCount,
                               const TipCollection& tips) override;
    std::optional<int> runDeleteNumber(int tipCount) override;
    void runSaverSettings(int tipCount) override;

  private:
    QWidget* m_parent;
    Messages& m_messages;
    const Clock& m_clock;
    RecorderSettings& m_settings;
    std::function<std::string()> m_dataDirectory;
};
