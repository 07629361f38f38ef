#include "recorder/commands/CommandRegistry.h"

bool CommandRegistry::run(CommandId id) const
{
    const auto found = m_handlers.find(id);
    if (found == m_handlers.end() || !found->second)
        return false;
    // A handler may replace handlers (or itself) while it runs; run a copy.
    const Handler handler = found->second;
    handler();
    return true;
}

CommandState CommandRegistry::state(CommandId id) const
{
    const auto found = m_rules.find(id);
    return found == m_rules.end() || !found->second ? CommandState{} : found->second();
}
