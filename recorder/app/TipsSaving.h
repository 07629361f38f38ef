#pragma once

#include <QString>

class CBrevantDoc;
class Messages;

enum class SaveOutcome {
    Saved,
    Declined, // the user chose not to replace the file
    Failed,   // nothing was written; `problem` says why, naming the file
};

struct SaveReport {
    SaveOutcome outcome = SaveOutcome::Saved;
    QString problem;
};

// The one routine that writes the Tips file. It asks before replacing a file that is
// not one of ours or whose Tips this run never saw, and reports a write that failed
// instead of passing it over; telling the user about a failure is the caller's part.
SaveReport SaveTips(CBrevantDoc& doc);
// The same with the questions put through `asking` instead of the recorder's own
// messages.
SaveReport SaveTips(CBrevantDoc& doc, Messages& asking);

// The closing steps: remembers the Tip on display and saves unsaved Tips. False when
// the save failed and the user chose to stay in the program.
bool RunClosingSteps(CBrevantDoc& doc, bool modified);

// The closing steps when nobody can be asked because the session is ending: every
// question of the save is answered so that the file on disk stays as it is, and what
// the user would have been told goes to standard error. True when the Tips were saved
// (or nothing needed saving).
bool RunClosingStepsUnattended(CBrevantDoc& doc, bool modified);
