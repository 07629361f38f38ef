#pragma once

#include "recorder/dialogs/tip/QtTipDialogs.h"
#include "recorder/view/TipCommands.h"
#include "recorder/view/TipCommandsHost.h"

#include <QObject>
#include <functional>

class CBrevantDoc;
class CommandRegistry;
class TipDisplay;

// Puts the Tip commands and the two password commands on the frame's command registry
// with their menu states, and answers the commands' questions from the document, the
// settings and the Tips file. The main window owns it and asks it for the
// unsaved-changes flag when it closes.
class TipCommandsBinding : public QObject, private TipCommandsHost {
  public:
    struct Window {
        QWidget* dialogParent;
        TipDisplay& display;
        std::function<void()> repaint;
        std::function<void()> forceNewPick; // the navigator's m_bForceNewPick
    };

    TipCommandsBinding(CBrevantDoc& doc, Window window, QObject* owner);
    // A test hands in scripted dialogs.
    TipCommandsBinding(CBrevantDoc& doc, Window window, TipDialogs& dialogs,
                       QObject* owner = nullptr);

    void attach(CommandRegistry& registry);
    TipCommands& commands() { return m_commands; }
    bool modified() const { return m_commands.m_bModified; }

  private:
    void ShowCurrentTip() override;
    void clearShownTip() override;
    Tip shownTip() const override;
    void forceNewPick() override;
    int storedTipAtClosing() const override;
    void storeTipAtClosing(int number) override;
    SaveReport saveTips() override;

    CBrevantDoc& m_doc;
    Window m_window;
    QtTipDialogs m_qtDialogs;
    TipCommands m_commands;
};
