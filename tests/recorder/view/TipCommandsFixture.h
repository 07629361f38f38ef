#pragma once

#include "recorder/data/NavigationState.h"
#include "recorder/data/TipCollection.h"
#include "recorder/view/TipCommands.h"
#include "recorder/view/TipCommandsHost.h"
#include "tests/support/ScriptedMessages.h"
#include "tests/support/ScriptedTipDialogs.h"

#include <QStringList>
#include <gtest/gtest.h>

// The window and stores as the Tip commands see them, with a log of what was asked in
// which order.
class RecordingHost : public TipCommandsHost {
  public:
    RecordingHost(const TipCollection& tips, const NavigationState& state)
        : m_tips(tips), m_state(state)
    {
    }

    void ShowCurrentTip() override
    {
        shown = m_tips.get(m_state.m_CurrentTip);
        log << QStringLiteral("show %1").arg(m_state.m_CurrentTip);
    }
    void clearShownTip() override
    {
        shown = {};
        log << QStringLiteral("clear");
    }
    Tip shownTip() const override { return shown; }
    void forceNewPick() override { newPickForced = true; }
    int storedTipAtClosing() const override { return tipAtClosing; }
    void storeTipAtClosing(int number) override { tipAtClosing = number; }
    SaveReport saveTips() override
    {
        ++saves;
        return saveReport;
    }

    Tip shown;
    QStringList log;
    bool newPickForced = false;
    int tipAtClosing = 0;
    int saves = 0;
    SaveReport saveReport;

  private:
    const TipCollection& m_tips;
    const NavigationState& m_state;
};

inline Tip SampleTip(int n)
{
    const std::string s = std::to_string(n);
    return {"date" + s + "\n", "cat" + s + "\n", "text" + s + "\n"};
}

inline TipCollection SampleTips(int count)
{
    TipCollection tips;
    for (int n = 1; n <= count; ++n)
        tips.append(SampleTip(n));
    return tips;
}

class TipCommandsTest : public ::testing::Test {
  protected:
    // Tip `current` on display, reached by showing `shownOrder` one after another.
    void showInTurn(std::initializer_list<int> shownOrder)
    {
        for (int n : shownOrder) {
            state.m_CurrentTip = n;
            state.AddToCycle(n);
            state.RecordInHistory(n, false);
        }
        host.ShowCurrentTip();
        host.log.clear();
        state.m_TipShown = true;
        state.m_bTipCommandsEnabled = true;
        state.m_bClearEnabled = true;
    }

    std::vector<std::uint32_t> history() const
    {
        return {state.m_History.begin() + 1, state.m_History.begin() + 1 + state.m_HistoryCount};
    }

    TipCollection tips = SampleTips(5);
    NavigationState state;
    ScriptedMessages messages;
    ScriptedTipDialogs dialogs;
    RecordingHost host{tips, state};
    TipCommands commands{tips, state, messages, dialogs, host};
};
