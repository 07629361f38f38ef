#pragma once

#include "common/MsRandom.h"
#include "recorder/data/NavigationState.h"
#include "recorder/data/TipCollection.h"
#include "recorder/view/ShowAllListing.h"
#include "recorder/view/TipDisplay.h"
#include "recorder/view/TipNavigator.h"
#include "tests/support/ScriptedMessages.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

// Stands in for the window: remembers which Tips and listings it was asked to show.
// Loading a Tip goes through the collection, so a number that is not a Tip fails.
class RecordingDisplay : public TipDisplay {
  public:
    RecordingDisplay(const NavigationState& state, const TipCollection& tips)
        : m_state(state), m_tips(tips)
    {
    }

    void ShowCurrentTip() override
    {
        text = m_tips.get(m_state.m_CurrentTip).text;
        shown.push_back(m_state.m_CurrentTip);
    }
    void emptyStatusTexts() override { ++statusEmptied; }
    void showListing(std::string listing, std::string date, std::string category) override
    {
        text = std::move(listing);
        statusDate = std::move(date);
        statusCategory = std::move(category);
        ++listings;
    }
    void showAllTips() override { showListing(ShowAllListing(m_tips, m_tips.count()), {}, {}); }

    std::vector<int> shown;
    std::string text;
    std::string statusDate;
    std::string statusCategory;
    int statusEmptied = 0;
    int listings = 0;

  private:
    const NavigationState& m_state;
    const TipCollection& m_tips;
};

inline TipCollection NumberedTips(int count)
{
    std::vector<Tip> tips;
    for (int n = 1; n <= count; ++n)
        tips.push_back(
            {"d" + std::to_string(n) + "\n", "General\n", "t" + std::to_string(n) + "\n"});
    return TipCollection(std::move(tips));
}

class NavigatorTest : public ::testing::Test {
  protected:
    void useTips(int count, bool randomOrder = true)
    {
        tips = NumberedTips(count);
        state.m_RandomOrder = randomOrder;
    }
    void next(int times = 1)
    {
        for (int i = 0; i < times; ++i)
            navigator.ShowNextTip();
    }

    NavigationState state;
    TipCollection tips;
    ScriptedMessages messages;
    MsRandom random;
    RecordingDisplay display{state, tips};
    TipNavigator navigator{state, tips, messages, random, display};
};
