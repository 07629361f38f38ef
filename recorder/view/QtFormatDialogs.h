#pragma once

#include "recorder/view/FormatDialogs.h"

class Messages;
class QWidget;

// The real Format dialogs: the font dialog limited to scalable fonts of 8 to 72 points,
// and the two palette dialogs.
class QtFormatDialogs : public FormatDialogs {
  public:
    QtFormatDialogs(QWidget* parent, Messages& messages) : m_parent(parent), m_messages(messages) {}

    std::optional<LogFont> chooseFont(const LogFont& current) override;
    std::optional<ColorRef> chooseFontColor() override;
    std::optional<ColorRef> chooseBackgroundColor() override;

  private:
    QWidget* m_parent;
    Messages& m_messages;
};
