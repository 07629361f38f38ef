#pragma once

#include "recorder/dialogs/tip/TipDialogs.h"

class Clock;
class Messages;
class QWidget;
class RecorderSettings;

// The real Add, Edit and Delete Tip # dialogs, owned by the recorder's window.
class QtTipDialogs : public TipDialogs {
  public:
    // `settings` keeps the date form the Add dialog starts with.
    QtTipDialogs(QWidget* parent, Messages& messages, const Clock& clock,
                 RecorderSettings& settings);

    std::vector<Tip> runAdd(int tipCount, const TipCollection& tips) override;
    std::optional<Tip> runEdit(int tipNumber, const Tip& shown, int tipCount,
                               const TipCollection& tips) override;
    std::optional<int> runDeleteNumber(int tipCount) override;

  private:
    QWidget* m_parent;
    Messages& m_messages;
    const Clock& m_clock;
    RecorderSettings& m_settings;
};
