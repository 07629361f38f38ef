#pragma once

#include <string>

class Messages;
class MsRandom;
class QWidget;
class RecorderSettings;

// Runs the password dialogs and reports only whether each ended with OK, so the rules
// around them can be tested with scripted results.
class PasswordDialogs {
  public:
    virtual ~PasswordDialogs() = default;
    // The start-up question: true when the stored password was entered.
    virtual bool askStartupPassword(const std::string& storedPassword) = 0;
    // True when a new password was stored.
    virtual bool setNewPassword() = 0;
    virtual bool changePassword() = 0;
};

// The real dialogs. The start-up question has no owner window; the other two are
// owned by `parent` once the main window exists.
class QtPasswordDialogs : public PasswordDialogs {
  public:
    QtPasswordDialogs(Messages& messages, RecorderSettings& settings, MsRandom& random)
        : m_messages(messages), m_settings(settings), m_random(random)
    {
    }
    void setParent(QWidget* parent) { m_parent = parent; }

    bool askStartupPassword(const std::string& storedPassword) override;
    bool setNewPassword() override;
    bool changePassword() override;

  private:
    Messages& m_messages;
    RecorderSettings& m_settings;
    MsRandom& m_random;
    QWidget* m_parent = nullptr;
};
