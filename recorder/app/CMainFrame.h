#pragma once

#include "recorder/commands/CommandRegistry.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class CommandMenus;
class HelpWindow;
class QLabel;
class QToolBar;

// The recorder's one top-level window: menu bar, toolbar and accelerators built from
// the command table, and a status bar whose three panes show the number, date and
// category of the Tip on display. It owns the command registry; the view fills the
// client area, attaches its commands and writes the three status texts. The frame
// itself handles only View, Help and Exit.
class CMainFrame : public QMainWindow {
    Q_OBJECT
  public:
    explicit CMainFrame(QWidget* parent = nullptr);
    ~CMainFrame() override;

    CommandRegistry& commands() { return m_commands; }
    QAction* action(CommandId id) const;
    QToolBar* toolBar() const { return m_toolBar; }

    // Texts as the view hands them over; a pane shows its text up to the first line
    // break and cuts off what does not fit.
    void setStatusTexts(const QString& number, const QString& date, const QString& category);
    QString m_StatusNumber;
    QString m_StatusDate;
    QString m_StatusCategory;

    // Re-reads every command's state; the view calls it when its flags change.
    void refreshCommandStates();
    // Runs a command the way its menu item does, states refreshed afterwards.
    void runCommand(CommandId id);

    // Gives the keyboard focus back to the Tip view, where the scrolling keys work.
    void focusView();

    void showHelpTopics();
    void showAbout();

    // Asked before the window closes (the closing steps); false keeps it open.
    void setCloseGuard(std::function<bool()> guard) { m_closeGuard = std::move(guard); }
    // The closing steps for when nobody can be asked: the session is ending.
    void setUnattendedClosing(std::function<void()> steps)
    {
        m_unattendedClosing = std::move(steps);
    }
    void runUnattendedClosing()
    {
        if (m_unattendedClosing)
            m_unattendedClosing();
    }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void createStatusBar();
    void attachFrameCommands();
    void returnFocusAfterCommands();

    CommandRegistry m_commands;
    std::unique_ptr<CommandMenus> m_menus;
    QToolBar* m_toolBar = nullptr;
    QLabel* m_numberPane = nullptr;
    QLabel* m_datePane = nullptr;
    QLabel* m_categoryPane = nullptr;
    HelpWindow* m_help = nullptr;
    std::function<bool()> m_closeGuard;
    std::function<void()> m_unattendedClosing;
};
