#include "recorder/view/TipNavigator.h"

#include "common/MsRandom.h"
#include "common/RandomTipPick.h"
#include "platform/Messages.h"
#include "recorder/data/NavigationState.h"
#include "recorder/data/TipCollection.h"
#include "recorder/view/TipDisplay.h"

#include <algorithm>

namespace {
const QString kNoTips = QStringLiteral("There are no saved Tips.");
const QString kOnlyTip = QStringLiteral("This is the only Tip.");
const QString kAllViewed = QStringLiteral("All the Tips have been viewed.\n\nStart over?");
const QString kCycledBack =
    QStringLiteral("You have cycled back through all previously read Tips.");
} // namespace

TipNavigator::TipNavigator(NavigationState& state, const TipCollection& tips, Messages& messages,
                           MsRandom& random, TipDisplay& display)
    : m_state(state), m_tips(tips), m_messages(messages), m_random(random), m_display(display)
{
}

int TipNavigator::tipCount() const
{
    return m_tips.count();
}

// A move enters the history even when it repeats the newest entry if it opened a cycle.
bool TipNavigator::freshCycle(bool cycleWasEmpty) const
{
    return cycleWasEmpty && m_state.m_CycleTips.count() == 1;
}

void TipNavigator::noTipsNotice()
{
    m_messages.inform(kNoTips);
    m_display.emptyStatusTexts();
}

// Comes after the history is recorded: with a single Tip there is nothing to go back to,
// whatever the history holds.
void TipNavigator::enableTipCommands()
{
    m_state.m_bTipCommandsEnabled = true;
    m_state.m_bClearEnabled = true;
    if (tipCount() == 1)
        m_state.m_bPrevEnabled = false;
}

void TipNavigator::ShowNextTip()
{
    m_state.m_PreviousTip = m_state.m_CurrentTip;
    const bool cycleWasEmpty = m_state.m_CycleTips.isEmpty();
    if (tipCount() == 0) {
        noTipsNotice();
    } else if (chooseNextTip(cycleWasEmpty)) {
        m_display.ShowCurrentTip();
        m_state.m_TipShown = true;
        m_state.RecordInHistory(m_state.m_CurrentTip, freshCycle(cycleWasEmpty));
        enableTipCommands();
        m_state.m_bScreenCleared = false;
    }
    m_bForceNewPick = false;
}

bool TipNavigator::chooseNextTip(bool cycleWasEmpty)
{
    return m_state.m_RandomOrder ? chooseNextAtRandom(cycleWasEmpty)
                                 : chooseNextInOrder(cycleWasEmpty);
}

bool TipNavigator::chooseNextInOrder(bool cycleWasEmpty)
{
    int& current = m_state.m_CurrentTip;
    if (current < tipCount()) {
        ++current;
    } else {
        current = 1;
        if (!cycleWasEmpty) {
            if (tipCount() == 1 && !m_state.m_bOnlyTipNoticeOff)
                m_messages.inform(kOnlyTip);
            m_state.m_bOnlyTipNoticeOff = false;
        }
    }
    m_state.AddToCycle(current);
    return true;
}

bool TipNavigator::chooseNextAtRandom(bool cycleWasEmpty)
{
    int& current = m_state.m_CurrentTip;
    if (cycleWasEmpty) {
        current = PickRandomTip(m_random, tipCount());
        m_state.AddToCycle(current);
        return true;
    }
    if (m_state.m_CycleTips.count() < tipCount()) {
        const int unseen =
            PickUnseenTip(m_random, m_state.m_CycleTips, tipCount(), current, m_bForceNewPick);
        if (unseen != 0) {
            current = unseen;
            m_bForceNewPick = false;
            m_state.AddToCycle(current);
            return true;
        }
    }
    if (tipCount() == 1 && !m_state.m_bOnlyTipNoticeOff) {
        m_messages.inform(kOnlyTip);
        return true;
    }
    return startNewRandomCycle();
}

bool TipNavigator::startNewRandomCycle()
{
    if (m_messages.show(kAllViewed, MessageIcon::Information, MessageButtons::YesNoCancel) !=
        MessageAnswer::Yes)
        return false;
    m_state.m_bOnlyTipNoticeOff = false;
    m_state.m_CycleTips.clear();
    int& current = m_state.m_CurrentTip;
    // A new cycle never opens with the Tip just shown.
    do {
        current = PickRandomTip(m_random, tipCount());
    } while (tipCount() >= 2 && current == m_state.m_PreviousTip);
    m_state.AddToCycle(current);
    return true;
}

void TipNavigator::ShowPreviousTip()
{
    if (m_state.m_HistoryCount < 1) {
        if (tipCount() == 0)
            noTipsNotice();
        m_bForceNewPick = false;
        return;
    }
    m_state.m_TipShown = true;
    if (m_state.m_HistoryPos == 1 && !m_bForceNewPick) {
        if (m_state.m_HistoryCount == 1) {
            m_state.m_bPrevEnabled = false;
            m_messages.inform(kCycledBack);
        } else if (m_messages.show(kCycledBack + QStringLiteral("\n\nStart over?"),
                                   MessageIcon::Information,
                                   MessageButtons::YesNoCancel) == MessageAnswer::Yes) {
            m_state.m_HistoryPos = m_state.m_HistoryCount;
            m_state.m_CurrentTip =
                static_cast<int>(m_state.m_History[static_cast<std::size_t>(m_state.m_HistoryPos)]);
            m_display.ShowCurrentTip();
            m_state.m_bTipCommandsEnabled = true;
            m_state.m_bClearEnabled = true;
        }
    } else {
        stepBackThroughHistory();
        m_display.ShowCurrentTip();
        enableTipCommands();
    }
    m_state.m_bLastWasPrevious = true;
    m_state.m_bScreenCleared = false;
    m_bForceNewPick = false;
}

void TipNavigator::stepBackThroughHistory()
{
    // After the window was cleared the Tip that was on display comes back first; after
    // a delete the position already names the entry that followed the deleted one.
    const bool stepBack = m_bForceNewPick ? m_state.m_bLastWasPrevious : !m_state.m_bScreenCleared;
    int& position = m_state.m_HistoryPos;
    if (stepBack && position > 0)
        --position;
    // Deletes can leave the position on 0 or past the end; read a real entry regardless.
    position = std::clamp(position, 1, m_state.m_HistoryCount);
    m_state.m_CurrentTip = static_cast<int>(m_state.m_History[static_cast<std::size_t>(position)]);
}

void TipNavigator::ShowLatestTip()
{
    if (tipCount() == 0) {
        m_bFromAtClosing = false;
        m_bForceNewPick = false;
        return;
    }
    const bool cycleWasEmpty = m_state.m_CycleTips.isEmpty();
    if (m_bFromAtClosing)
        m_bFromAtClosing = false;
    else
        m_state.m_CurrentTip = tipCount();
    m_display.ShowCurrentTip();
    m_state.m_TipShown = true;
    m_state.AddToCycle(m_state.m_CurrentTip);
    m_state.RecordInHistory(m_state.m_CurrentTip, freshCycle(cycleWasEmpty));
    enableTipCommands();
    m_state.m_bScreenCleared = false;
    m_bForceNewPick = false;
}

void TipNavigator::ShowTipAtClosing(int storedTipAtClosing)
{
    if (m_tips.contains(storedTipAtClosing)) {
        m_state.m_CurrentTip = storedTipAtClosing;
        m_bFromAtClosing = true;
    }
    ShowLatestTip();
}

void TipNavigator::SetRandomOrder(bool random)
{
    m_state.m_CycleTips.clear();
    m_state.m_RandomOrder = random;
}

void TipNavigator::ShowAll()
{
    if (tipCount() == 0)
        return;
    m_state.m_bScreenCleared = true;
    m_state.m_bTipCommandsEnabled = false;
    m_state.m_bClearEnabled = true;
    if (tipCount() == 1)
        m_state.m_bPrevEnabled = false;
    m_display.showAllTips();
    m_bForceNewPick = false;
}

void TipNavigator::ShowTipByNumber(const NumberPrompt& prompt)
{
    m_state.m_bScreenCleared = false;
    m_state.m_PreviousTip = m_state.m_CurrentTip;
    const bool cycleWasEmpty = m_state.m_CycleTips.isEmpty();
    int chosen = 0;
    if (m_nPendingTip >= 1) {
        chosen = m_nPendingTip;
        m_nPendingTip = 0;
    } else if (prompt) {
        chosen = prompt(tipCount()).value_or(0);
    }
    if (!m_tips.contains(chosen))
        return;
    m_state.m_CurrentTip = chosen;
    m_state.AddToCycle(chosen);
    m_display.ShowCurrentTip();
    m_state.m_TipShown = true;
    m_state.RecordInHistory(chosen, freshCycle(cycleWasEmpty));
    enableTipCommands();
    m_bForceNewPick = false;
}

void TipNavigator::ShowSearchResult(const SearchOutcome& outcome)
{
    if (outcome.hit != 0) {
        m_nPendingTip = outcome.hit;
        m_state.m_bScreenCleared = false;
        ShowTipByNumber();
        return;
    }
    m_state.m_bScreenCleared = true;
    m_state.m_bTipCommandsEnabled = false;
    m_state.m_bClearEnabled = true;
    // The listing opens with the line feed that separates hits; the window starts at
    // the first hit.
    std::string listing = outcome.listing.empty() ? std::string() : outcome.listing.substr(1);
    m_display.showListing(std::move(listing), outcome.searchedDate, outcome.searchedCategory);
    m_bForceNewPick = false;
}
