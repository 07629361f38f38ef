#include "recorder/data/NavigationState.h"

void NavigationState::startWith(int tip)
{
    m_CurrentTip = tip;
    m_CycleTips.clear();
    m_CycleTips.add(tip);
    m_History.assign({0, static_cast<std::uint32_t>(tip)});
    m_HistoryCount = 1;
    m_HistoryPos = 1;
    m_TipShown = true;
    m_bLastWasPrevious = false;
}

void NavigationState::RecordInHistory(int tip, bool fresh)
{
    const auto number = static_cast<std::uint32_t>(tip);
    if (!fresh && number == m_History[static_cast<std::size_t>(m_HistoryCount)])
        return;
    m_History.resize(static_cast<std::size_t>(m_HistoryCount) + 1);
    m_History.push_back(number);
    ++m_HistoryCount;
    m_HistoryPos = m_HistoryCount;
    if (m_HistoryCount > 1)
        m_bPrevEnabled = true;
    m_bLastWasPrevious = false;
}

void NavigationState::forgetTip(int tip)
{
    if (m_CycleTips.forgetTip(tip))
        m_bOnlyTipNoticeOff = true;

    const auto number = static_cast<std::uint32_t>(tip);
    std::vector<std::uint32_t> kept{0};
    const int positionBefore = m_HistoryPos;
    for (int position = 1; position <= m_HistoryCount; ++position) {
        const std::uint32_t entry = m_History[static_cast<std::size_t>(position)];
        if (entry != number) {
            kept.push_back(entry > number ? entry - 1 : entry);
            continue;
        }
        // After Previous the position names a Tip in the middle of the history; only
        // removals before it move it. Otherwise it sits at the end and follows the count.
        if ((!m_bLastWasPrevious || position < positionBefore) && m_HistoryPos > 0)
            --m_HistoryPos;
    }
    m_History = std::move(kept);
    m_HistoryCount = static_cast<int>(m_History.size()) - 1;
    if (m_HistoryCount == 0)
        m_bPrevEnabled = false;
}

void NavigationState::forgetAllTips()
{
    m_CycleTips.clear();
    m_History.assign({0});
    m_HistoryCount = 0;
    m_HistoryPos = 0;
    m_bPrevEnabled = false;
    m_TipShown = false;
    m_TipClosing = false;
    m_bScreenCleared = true;
    m_bTipCommandsEnabled = false;
    m_bClearEnabled = false;
}
