#pragma once

#include <functional>

class CBrevantDoc;
class CommandRegistry;
class FormatDialogs;
class Messages;
class RecorderSettings;

// The Format and Screen > Enable Click commands: font, text colour, background,
// alignment and the Tip-number line. Each changes the document's display state, has
// the window repainted, and writes its setting at once; a cancelled dialog changes
// nothing.
class FormatCommands {
  public:
    FormatCommands(CBrevantDoc& doc, RecorderSettings& settings, Messages& messages,
                   FormatDialogs& dialogs, std::function<void()> updateAllViews);

    void OnFont();
    void OnFontColor();
    void OnBackground();
    void OnAlignLeft() { setAlignment(0); }
    void OnAlignCenter() { setAlignment(1); }
    void OnShowTipNumber();
    void OnEnableClick();

    // Attaches the commands above and their menu states.
    void attach(CommandRegistry& commands);

  private:
    void setAlignment(int alignment);

    CBrevantDoc& m_doc;
    RecorderSettings& m_settings;
    Messages& m_messages;
    FormatDialogs& m_dialogs;
    std::function<void()> m_updateAllViews;
};
