#pragma once

#include "recorder/dialogs/TipDialogs.h"

#include <functional>

class Clock;
class Messages;
class QWidget;

// The real Add, Edit and Delete Tip # dialogs, owned by the recorder's window.
class QtTipDialogs : public TipDialogs {
  public:
    // The date-choice position the Add dialog starts with and stores.
    struct DateFormatSetting {
        std::function<int()> read;
        std::function<void(int)> write;
    };

    QtTipDialogs(QWidget* parent, Messages& messages, const Clock& clock,
                 DateFormatSetting dateFormat);

    std::vector<Tip> runAdd(int tipCount, const TipCollection& tips) override;
    std::optional<Tip> runEdit(int tipNumber, const Tip& shown, int tipCount,
                               const TipCollection& tips) override;
    std::optional<int> runDeleteNumber(int tipCount) override;

  private:
    QWidget* m_parent;
    Messages& m_messages;
    const Clock& m_clock;
    DateFormatSetting m_dateFormat;
};
