#pragma once

class Messages;
class TipCollection;
class TipCommandsHost;
class TipDialogs;
struct NavigationState;

// The view's commands that change the Tip collection or report on it: Add, Edit, the
// three deletes, Save, Number of Tips, Tip # and Date and the Screen Saver command,
// which saves first. They keep the cycle, the history and the stored closing Tip in step
// with every deletion, and hold the unsaved-changes flag.
class TipCommands {
  public:
    TipCommands(TipCollection& tips, NavigationState& state, Messages& messages,
                TipDialogs& dialogs, TipCommandsHost& host);

    void Add();
    void Edit();
    void DeleteCurrentTip();
    void DeleteTipNumber();
    void DeleteAllTips();
    void Save();
    void NumberOfTips();
    void TipNumberAndDate();
    // Saves unsaved changes before the saver settings open, so the screen saver reads the
    // Tips as they are now; the dialog is opened with the number of Tips either way.
    void ScreenSaver();

    bool m_bModified = false;

  private:
    void fixStoredClosingTip(int removed);

    TipCollection& m_tips;
    NavigationState& m_state;
    Messages& m_messages;
    TipDialogs& m_dialogs;
    TipCommandsHost& m_host;
};
