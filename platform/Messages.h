#pragma once

#include <QString>

// Every message box and question of both programs goes through this interface, so a
// test can script the answers and read back what the user would have been told.
enum class MessageIcon { Information, Warning, Stop, Exclamation, Question };
enum class MessageButtons { Ok, YesNo, YesNoCancel, OkCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };

struct MessageOptions {
    // No owner window: shown on its own, as the start-up failures are (the main window
    // does not exist yet or is about to go).
    bool noOwner = false;
    QString caption = QStringLiteral("Pennivel");
};

class Messages {
  public:
    virtual ~Messages() = default;
    // Shows `text` modally and returns the button pressed (Esc or closing the box counts
    // as Cancel where there is one, else as No, else as Ok).
    virtual MessageAnswer show(const QString& text, MessageIcon icon,
                               MessageButtons buttons = MessageButtons::Ok,
                               const MessageOptions& options = {}) = 0;

    void inform(const QString& text) { show(text, MessageIcon::Information); }
    void warn(const QString& text) { show(text, MessageIcon::Warning); }
    void stop(const QString& text) { show(text, MessageIcon::Stop); }
    bool askYesNoCancel(const QString& text, MessageIcon icon = MessageIcon::Question)
    {
        return show(text, icon, MessageButtons::YesNoCancel) == MessageAnswer::Yes;
    }
};

// The real message boxes, application-modal, owned by the active window unless the
// options say otherwise.
class QtMessages : public Messages {
  public:
    MessageAnswer show(const QString& text, MessageIcon icon, MessageButtons buttons,
                       const MessageOptions& options) override;
};
