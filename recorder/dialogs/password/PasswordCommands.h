#pragma once

class Clock;
class Messages;
class MsRandom;
class PasswordDialogs;
class RecorderSettings;

// The document's two password flags, as the menu commands change them.
struct PasswordFlags {
    bool& usePassword;       // m_UsePassword: protection on
    bool& firstTimePassword; // m_FirstTimePassword: no password set yet
};

// Everything the password commands act on besides the flags.
struct PasswordCommandContext {
    RecorderSettings& settings;
    Messages& messages;
    PasswordDialogs& dialogs;
    MsRandom& random;
    const Clock& clock;
};

// Password > Activate: switches protection over; switching it on for the first time
// asks for the first password, and a cancelled or impossible set-up leaves it off.
void ActivatePassword(PasswordFlags flags, PasswordCommandContext& context);

// Password > Change, enabled only once a password has been set.
void ChangePassword(PasswordCommandContext& context);
inline bool ChangePasswordEnabled(bool firstTimePassword)
{
    return !firstTimePassword;
}
