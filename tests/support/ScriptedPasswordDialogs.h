#pragma once

#include "recorder/dialogs/password/PasswordDialogs.h"

#include <deque>
#include <string>

// The test twin of the password dialogs: each run takes the next queued result (false
// when none is queued, as if the user cancelled) and is counted.
class ScriptedPasswordDialogs : public PasswordDialogs {
  public:
    void queue(bool accepted) { m_results.push_back(accepted); }

    bool askStartupPassword(const std::string& storedPassword) override
    {
        ++startupRuns;
        lastStoredPassword = storedPassword;
        return next();
    }
    bool setNewPassword() override
    {
        ++setNewRuns;
        return next();
    }
    bool changePassword() override
    {
        ++changeRuns;
        return next();
    }

    int startupRuns = 0;
    int setNewRuns = 0;
    int changeRuns = 0;
    std::string lastStoredPassword;

  private:
    bool next()
    {
        if (m_results.empty())
            return false;
        const bool result = m_results.front();
        m_results.pop_front();
        return result;
    }

    std::deque<bool> m_results;
};
