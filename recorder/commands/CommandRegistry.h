#pragma once

#include "recorder/commands/CommandId.h"

#include <functional>
#include <unordered_map>

// What a menu item or toolbar button shows: enabled or greyed, marked or not.
struct CommandState {
    bool enabled = true;
    bool checked = false;
    bool operator==(const CommandState&) const = default;
};

// The one place that says what each command does and what state it shows. Whoever owns a
// command (the view's display, navigation, the Tip commands, the frame) attaches its
// handler and its state rule here by id; the frame runs commands and refreshes every
// menu item and button from here. A command nobody has attached yet is enabled and does
// nothing.
class CommandRegistry {
  public:
    using Handler = std::function<void()>;
    using StateRule = std::function<CommandState()>;

    void setHandler(CommandId id, Handler handler) { m_handlers[id] = std::move(handler); }
    void setStateRule(CommandId id, StateRule rule) { m_rules[id] = std::move(rule); }

    bool hasHandler(CommandId id) const { return m_handlers.contains(id); }
    // Runs the handler of `id`; false when there is none.
    bool run(CommandId id) const;
    CommandState state(CommandId id) const;

  private:
    std::unordered_map<CommandId, Handler> m_handlers;
    std::unordered_map<CommandId, StateRule> m_rules;
};
