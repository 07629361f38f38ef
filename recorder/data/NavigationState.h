#pragma once

#include <cstdint>
#include <vector>

// Which Tip is on display and how the user got there: the no-repeat cycle, the
// history that Previous walks back through, and the flags the Tip menu reads. The
// document holds it; the view's navigation commands change it.
struct NavigationState {
    int m_CurrentTip = 0;  // Tip on display, 1..count; 0 before any was chosen
    int m_PreviousTip = 0; // m_CurrentTip when the last Next / Delete Tip # / by-number started
    bool m_RandomOrder = true;

    // Numbers shown in the current cycle, in the order they were added; no duplicates.
    std::vector<std::uint32_t> m_CycleTips;
    int m_CycleCount = 0;

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
};
