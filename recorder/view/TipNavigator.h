#pragma once

#include <functional>
#include <optional>
#include <string>

class Messages;
class MsRandom;
class TipCollection;
class TipDisplay;
struct NavigationState;

// What a category, date or text search hands back: the number of its single hit, or 0
// with a listing of the hits (which starts with a line feed) and what was searched for.
struct SearchOutcome {
    int hit = 0;
    std::string listing;
    std::string searchedDate;     // date search only
    std::string searchedCategory; // category search only
};

// The view's navigation commands: which Tip Next, Previous, Latest, At Closing and the
// searches show, the no-repeat cycle, the history and the listings. Works on the
// document's state and the collection; talks to the user only through Messages and
// leaves loading and painting to the TipDisplay.
class TipNavigator {
  public:
    // Opens the number dialog for 1..tipCount; nothing when the user cancels.
    using NumberPrompt = std::function<std::optional<int>(int tipCount)>;

    TipNavigator(NavigationState& state, const TipCollection& tips, Messages& messages,
                 MsRandom& random, TipDisplay& display);

    void ShowNextTip();
    void ShowPreviousTip();
    void ShowLatestTip();
    // `storedTipAtClosing` is the setting "TipAtClosing"; a number that is no longer a
    // Tip (the file changed between runs) shows the latest Tip instead.
    void ShowTipAtClosing(int storedTipAtClosing);
    void SetRandomOrder(bool random);
    void ShowAll();
    // Shows m_nPendingTip when one is pending, else the Tip the prompt returns.
    void ShowTipByNumber(const NumberPrompt& prompt = {});
    void ShowSearchResult(const SearchOutcome& outcome);

    // Set when the current Tip was deleted: the next move must not reuse its number.
    bool m_bForceNewPick = false;
    // A Tip number a search hands to ShowTipByNumber; 0 = none.
    int m_nPendingTip = 0;
    // ShowLatestTip keeps the Tip At Closing chose instead of taking the newest.
    bool m_bFromAtClosing = false;

  private:
    int tipCount() const;
    bool freshCycle(bool cycleWasEmpty) const;
    void noTipsNotice();
    // Returns false when the user declined to start a new cycle.
    bool chooseNextTip(bool cycleWasEmpty);
    bool chooseNextInOrder(bool cycleWasEmpty);
    bool chooseNextAtRandom(bool cycleWasEmpty);
    bool startNewRandomCycle();
    void stepBackThroughHistory();
    void enableTipCommands();

    NavigationState& m_state;
    const TipCollection& m_tips;
    Messages& m_messages;
    MsRandom& m_random;
    TipDisplay& m_display;
};
