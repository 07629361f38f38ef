#pragma once

#include "common/Tip.h"
#include "recorder/app/TipsSaving.h"

// What the Tip commands ask of the document, the window and the stores around them: the
// view implements it, tests record it.
class TipCommandsHost {
  public:
    virtual ~TipCommandsHost() = default;

    // Loads Tip m_CurrentTip into the window, the number label and the status texts.
    virtual void ShowCurrentTip() = 0;
    // Leaves only the background: m_CurrentText and the status texts are emptied.
    virtual void clearShownTip() = 0;
    // The copies of the Tip on display (m_CurrentDate, m_CurrentCategory, m_CurrentText);
    // an empty text when none is shown.
    virtual Tip shownTip() const = 0;
    // The next Next must not reuse the number of a Tip that was just deleted.
    virtual void forceNewPick() = 0;

    // The stored "TipAtClosing", read with 0 for a missing value.
    virtual int storedTipAtClosing() const = 0;
    virtual void storeTipAtClosing(int number) = 0;

    // Writes the whole collection to the Tips file (asking first when the file is not
    // one of ours); a failure comes back with its problem, naming the file.
    virtual SaveReport saveTips() = 0;
};
