#pragma once

#include "recorder/commands/CommandId.h"

#include <QHash>

class CommandRegistry;
class QAction;
class QMenuBar;
class QObject;
class QToolBar;

// The actions of every command, built from the command table: captions, prompts,
// tooltips, keys and icons, placed into the menu bar and the toolbar with the table's
// separators. Triggering an action runs the command's handler in the registry.
class CommandMenus {
  public:
    CommandMenus(QObject* owner, const CommandRegistry& registry);

    void fillMenuBar(QMenuBar& menuBar) const;
    void fillToolBar(QToolBar& toolBar) const;

    QAction* action(CommandId id) const { return m_actions.value(id); }
    // Sets every action's enabled and checked state from the registry's rules.
    void refresh() const;

  private:
    const CommandRegistry& m_registry;
    QHash<CommandId, QAction*> m_actions;
};
