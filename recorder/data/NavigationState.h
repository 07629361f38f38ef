#pragma once

#include "common/TipCycle.h"

#include <cstdint>
#include <vector>

// Which Tip is on display and how the user got there: the no-repeat cycle, the
// history that Previous walks back through, and the flags the Tip menu reads. The
// document holds it; the view's navigation commands change it. The operations here keep
// the cycle and the history consistent with the collection; they show nothing.
struct NavigationState {
    int m_CurrentTip = 0;  // Tip on display, 1..count; 0 before any was chosen
    int m_PreviousTip = 0; // m_CurrentTip when the last Next / Delete Tip # / by-number started
    bool m_RandomOrder = true;

    // Numbers shown in the current cycle; m_CycleTips.count() is the cycle's count.
    TipCycle m_CycleTips;

    // Numbers in the order shown, positions 1..m_HistoryCount; position 0 is never a Tip.
    std::vector<std::uint32_t> m_History{0};
    int m_HistoryCount = 0;
    int m_HistoryPos = 0;

    bool m_bLastWasPrevious = false;
    bool m_bPrevEnabled = false;
    bool m_TipShown = false;
    bool m_TipClosing = false;
    bool m_bOnlyTipNoticeOff = false;

    bool m_bScreenCleared = false;
    bool m_bClearEnabled = false;
    bool m_bTipCommandsEnabled = false;

    // The first Tip of a session: current, first of the cycle and of the history.
    void startWith(int tip);

    void AddToCycle(int tip) { m_CycleTips.add(tip); }

    // Enters `tip` at the end of the history when `fresh` or when it differs from the
    // newest entry; Previous then starts from there again.
    void RecordInHistory(int tip, bool fresh);

    // Tip `tip` was removed from the collection: its cycle and history entries go, the
    // entries above it move down by one, and the history position follows the entries
    // it pointed at.
    void forgetTip(int tip);

    // Every Tip was removed: cycle and history empty, the window cleared, and no command
    // that needs a Tip enabled.
    void forgetAllTips();
};
