#include "recorder/view/TipCommands.h"

#include "platform/Messages.h"
#include "recorder/data/NavigationState.h"
#include "recorder/data/TipCollection.h"
#include "recorder/dialogs/tip/TipDialogTexts.h"
#include "recorder/dialogs/tip/TipDialogs.h"
#include "recorder/view/TipCommandsHost.h"

namespace {

const QString kDeleteCurrent =
    QStringLiteral("You are about to delete the current Tip!\n\nContinue?");
const QString kDeleteAll = QStringLiteral("You are about to delete all the Tips!\n\nContinue?");

QString FromBytes(std::string_view bytes)
{
    return QString::fromLocal8Bit(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

} // namespace

TipCommands::TipCommands(TipCollection& tips, NavigationState& state, Messages& messages,
                         TipDialogs& dialogs, TipCommandsHost& host)
    : m_tips(tips), m_state(state), m_messages(messages), m_dialogs(dialogs), m_host(host)
{
}

void TipCommands::Add()
{
    std::vector<Tip> added = m_dialogs.runAdd(m_tips.count(), m_tips);
    if (added.empty())
        return;
    for (Tip& tip : added)
        m_tips.append(std::move(tip));
    // A first Tip is not in the window yet: the commands on the Tip shown wait for Next.
    // A listing in the window is no Tip either: Edit would take its text for the Tip's.
    const int current = m_state.m_CurrentTip;
    const std::string shown = m_host.shownTip().text;
    const bool tipInWindow = m_tips.count() > 1 && !shown.empty() && m_tips.contains(current) &&
                             shown == m_tips.parts(current).text;
    m_state.m_bTipCommandsEnabled = tipInWindow;
    m_state.m_bClearEnabled = tipInWindow;
    m_bModified = true;
}

void TipCommands::Edit()
{
    const int current = m_state.m_CurrentTip;
    if (!m_tips.contains(current))
        return;
    const std::optional<Tip> edited =
        m_dialogs.runEdit(current, m_host.shownTip(), m_tips.count(), m_tips);
    if (!edited)
        return;
    if (edited->text.empty()) {
        DeleteCurrentTip();
    } else {
        m_tips.replace(current, *edited);
        m_host.ShowCurrentTip();
    }
    m_bModified = true;
}

void TipCommands::DeleteCurrentTip()
{
    const int removed = m_state.m_CurrentTip;
    if (!m_tips.contains(removed))
        return;
    if (m_messages.show(kDeleteCurrent, MessageIcon::Exclamation, MessageButtons::YesNoCancel) !=
        MessageAnswer::Yes) {
        m_state.m_bTipCommandsEnabled = true;
        m_state.m_bClearEnabled = true;
        return;
    }
    m_state.m_TipShown = false;
    m_state.m_bScreenCleared = true;
    m_tips.remove(removed);
    fixStoredClosingTip(removed);
    m_state.forgetTip(removed);

    m_state.m_bTipCommandsEnabled = false;
    m_state.m_bClearEnabled = false;
    if (m_tips.isEmpty())
        m_state.m_bPrevEnabled = false;
    m_host.clearShownTip();
    m_bModified = true;
    m_host.forceNewPick();
    // In order, the next Next then shows the Tip that followed the deleted one.
    if (removed >= 2)
        m_state.m_CurrentTip = removed - 1;
}

void TipCommands::fixStoredClosingTip(int removed)
{
    const int stored = m_host.storedTipAtClosing();
    if (stored == removed)
        m_state.m_TipClosing = false;
    else if (removed < stored)
        m_host.storeTipAtClosing(stored - 1);
}

void TipCommands::DeleteTipNumber()
{
    m_state.m_bScreenCleared = false;
    m_state.m_PreviousTip = m_state.m_CurrentTip;
    const std::optional<int> chosen = m_dialogs.runDeleteNumber(m_tips.count());
    if (!chosen || !m_tips.contains(*chosen))
        return;
    // The user sees the Tip before confirming that it goes.
    m_state.m_CurrentTip = *chosen;
    m_state.AddToCycle(*chosen);
    m_host.ShowCurrentTip();
    m_state.RecordInHistory(*chosen, true);
    DeleteCurrentTip();
}

void TipCommands::DeleteAllTips()
{
    if (m_messages.show(kDeleteAll, MessageIcon::Stop, MessageButtons::YesNoCancel) !=
        MessageAnswer::Yes)
        return;
    m_tips.removeAll();
    m_state.forgetAllTips();
    m_host.clearShownTip();
    m_bModified = true;
}

void TipCommands::Save()
{
    // The flag goes only with a written file: a failed or declined save leaves the
    // changes marked, so they are offered again and saved at exit.
    const SaveReport report = m_host.saveTips();
    switch (report.outcome) {
    case SaveOutcome::Saved: m_bModified = false; break;
    case SaveOutcome::Declined: break;
    case SaveOutcome::Failed: m_messages.stop(report.problem); break;
    }
}

void TipCommands::ScreenSaver()
{
    if (m_bModified)
        Save();
    m_dialogs.runSaverSettings(m_tips.count());
}

void TipCommands::NumberOfTips()
{
    m_messages.inform(TipDialogTexts::TipCountLine(m_tips.count()));
}

void TipCommands::TipNumberAndDate()
{
    const int current = m_state.m_CurrentTip;
    if (!m_tips.contains(current))
        return;
    const TipParts tip = m_tips.parts(current);
    // The stored date ends in its own line feed, which leaves an empty line before the
    // category.
    m_messages.inform(QStringLiteral("Tip #%1\n\nDate: ").arg(current) + FromBytes(tip.date) +
                      QStringLiteral("\nCategory: ") + FromBytes(tip.category));
}
