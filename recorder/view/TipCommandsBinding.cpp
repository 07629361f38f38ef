#include "recorder/view/TipCommandsBinding.h"

#include "recorder/app/CBrevantApp.h"
#include "recorder/app/CBrevantDoc.h"
#include "recorder/app/TipsSaving.h"
#include "recorder/commands/CommandRegistry.h"
#include "recorder/data/RecorderSettings.h"
#include "recorder/dialogs/password/PasswordCommands.h"
#include "recorder/view/TipDisplay.h"

TipCommandsBinding::TipCommandsBinding(CBrevantDoc& doc, Window window, QObject* owner)
    : TipCommandsBinding(doc, std::move(window), m_qtDialogs, owner)
{
}

TipCommandsBinding::TipCommandsBinding(CBrevantDoc& doc, Window window, TipDialogs& dialogs,
                                       QObject* owner)
    : QObject(owner), m_doc(doc), m_window(std::move(window)),
      m_qtDialogs(m_window.dialogParent, doc.services().messages, doc.services().clock,
                  doc.services().settings, doc.services().dataDirectory),
      m_commands(doc.app().m_Tips, doc, doc.services().messages, dialogs, *this)
{
}

void TipCommandsBinding::attach(CommandRegistry& registry)
{
    const auto always = [] { return CommandState{}; };
    const auto withTipShown = [this] { return CommandState{m_doc.m_bTipCommandsEnabled}; };
    const auto withTips = [this] { return CommandState{m_doc.m_TipCount() > 0}; };
    const auto bind = [&](CommandId id, void (TipCommands::*command)(),
                          CommandRegistry::StateRule rule) {
        registry.setHandler(id, [this, command] { (m_commands.*command)(); });
        registry.setStateRule(id, std::move(rule));
    };
    bind(CommandId::Add, &TipCommands::Add, always);
    bind(CommandId::Edit, &TipCommands::Edit, withTipShown);
    bind(CommandId::DeleteCurrent, &TipCommands::DeleteCurrentTip, withTipShown);
    bind(CommandId::DeleteNumber, &TipCommands::DeleteTipNumber, withTips);
    bind(CommandId::DeleteAll, &TipCommands::DeleteAllTips, withTips);
    bind(CommandId::Save, &TipCommands::Save, [this] { return CommandState{modified()}; });
    bind(CommandId::NumberOfTips, &TipCommands::NumberOfTips, always);
    bind(CommandId::TipNumberAndDate, &TipCommands::TipNumberAndDate, withTipShown);
    bind(CommandId::Saver, &TipCommands::ScreenSaver, always);

    RecorderServices& s = m_doc.services();
    registry.setHandler(CommandId::PasswordActivate, [this, &s] {
        PasswordCommandContext context{s.settings, s.messages, s.passwordDialogs, s.random,
                                       s.clock};
        ActivatePassword({m_doc.m_UsePassword, m_doc.m_FirstTimePassword}, context);
    });
    registry.setStateRule(CommandId::PasswordActivate, [this] {
        return CommandState{true, m_doc.m_UsePassword};
    });
    registry.setHandler(CommandId::PasswordChange, [&s] {
        PasswordCommandContext context{s.settings, s.messages, s.passwordDialogs, s.random,
                                       s.clock};
        ChangePassword(context);
    });
    registry.setStateRule(CommandId::PasswordChange, [this] {
        return CommandState{ChangePasswordEnabled(m_doc.m_FirstTimePassword)};
    });
}

void TipCommandsBinding::ShowCurrentTip()
{
    m_window.display.ShowCurrentTip();
}

void TipCommandsBinding::clearShownTip()
{
    m_doc.m_CurrentText = std::string();
    m_doc.m_ListedTips = 0;
    m_window.display.emptyStatusTexts();
    m_window.repaint();
}

Tip TipCommandsBinding::shownTip() const
{
    return {m_doc.m_CurrentDate, m_doc.m_CurrentCategory, m_doc.m_CurrentText};
}

void TipCommandsBinding::forceNewPick()
{
    m_window.forceNewPick();
}

int TipCommandsBinding::storedTipAtClosing() const
{
    return m_doc.services().settings.read(Key::TipAtClosing);
}

void TipCommandsBinding::storeTipAtClosing(int number)
{
    m_doc.services().settings.write(Key::TipAtClosing, number);
}

SaveReport TipCommandsBinding::saveTips()
{
    return SaveTips(m_doc);
}
