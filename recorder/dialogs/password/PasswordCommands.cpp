#include "recorder/dialogs/password/PasswordCommands.h"

#include "common/Clock.h"
#include "platform/Messages.h"
#include "recorder/data/RecorderSettings.h"
#include "recorder/data/RegistryError.h"
#include "recorder/dialogs/password/PasswordDialogs.h"

namespace {

void SwitchOff(PasswordFlags flags, RecorderSettings& settings)
{
    flags.usePassword = false;
    settings.write(Key::UsePassword, 0);
}

} // namespace

void ActivatePassword(PasswordFlags flags, PasswordCommandContext& context)
{
    flags.usePassword = !flags.usePassword;
    context.settings.write(Key::UsePassword, flags.usePassword ? 1 : 0);
    if (!flags.usePassword)
        return;
    switch (context.settings.read(Key::FirstTimePassword)) {
    case 0: return;
    case 1:
        if (context.dialogs.setNewPassword()) {
            context.settings.write(Key::FirstTimePassword, 0);
            flags.firstTimePassword = false;
            TimeSeed(context.random, context.clock);
        } else {
            SwitchOff(flags, context.settings);
        }
        return;
    default:
        context.messages.stop(QString::fromLatin1(kRegistryError));
        SwitchOff(flags, context.settings);
    }
}

void ChangePassword(PasswordCommandContext& context)
{
    if (context.dialogs.changePassword())
        TimeSeed(context.random, context.clock);
}
