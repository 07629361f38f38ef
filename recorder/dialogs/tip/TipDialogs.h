#pragma once

#include "common/Tip.h"

#include <optional>
#include <vector>

class TipCollection;

// The modal dialogs the Tip commands open, behind one interface so a command can be run
// from a test with scripted answers. Each call waits until its dialog has closed.
class TipDialogs {
  public:
    virtual ~TipDialogs() = default;

    // The Tips added while the Add dialog was open, in order, however it was closed.
    virtual std::vector<Tip> runAdd(int tipCount, const TipCollection& tips) = 0;

    // The edited Tip when the dialog saved it; an empty text asks for the Tip to be
    // deleted. Nothing when the user left without saving.
    virtual std::optional<Tip> runEdit(int tipNumber, const Tip& shown, int tipCount,
                                       const TipCollection& tips) = 0;

    // The number of the Tip to delete, 1..tipCount; nothing on Cancel.
    virtual std::optional<int> runDeleteNumber(int tipCount) = 0;

    // Screen Saver Settings, which rewrites the saver settings file itself on OK.
    virtual void runSaverSettings(int tipCount) = 0;
};
