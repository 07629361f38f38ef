#pragma once

#include <string>

// What navigation asks of the window: the view implements it, tests record it.
class TipDisplay {
  public:
    virtual ~TipDisplay() = default;

    // Loads Tip m_CurrentTip into the window and the status texts, then repaints.
    virtual void ShowCurrentTip() = 0;
    virtual void emptyStatusTexts() = 0;
    // Puts a listing of several Tips into the window in place of one Tip. The number
    // status text is emptied; date and category show what was searched for, if anything.
    virtual void showListing(std::string listing, std::string statusDate,
                             std::string statusCategory) = 0;
    // Lists every Tip in the window in place of one Tip (Show All), the status texts
    // emptied; the listing is read from the collection as it is shown.
    virtual void showAllTips() = 0;
};
