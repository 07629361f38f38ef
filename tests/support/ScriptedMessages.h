#pragma once

#include "platform/Messages.h"

#include <QStringList>
#include <deque>
#include <vector>

// The test twin of the message boxes: records every message and hands back queued
// answers. With an empty queue it answers as Esc would (Cancel, else No, else Ok).
class ScriptedMessages : public Messages {
  public:
    struct Shown {
        QString text;
        MessageIcon icon;
        MessageButtons buttons;
        MessageOptions options;
    };

    MessageAnswer show(const QString& text, MessageIcon icon, MessageButtons buttons,
                       const MessageOptions& options) override;

    void queue(MessageAnswer answer) { m_answers.push_back(answer); }
    QStringList texts() const;
    const std::vector<Shown>& shown() const { return m_shown; }
    void clear() { m_shown.clear(); }

  private:
    std::deque<MessageAnswer> m_answers;
    std::vector<Shown> m_shown;
};
