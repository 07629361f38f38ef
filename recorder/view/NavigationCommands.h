#pragma once

#include <functional>

class CommandRegistry;
class TipCollection;
class TipNavigator;
struct NavigationState;

// Hooks the navigation commands and the enabled and marked states of the Tip and Search
// menus into the command registry. The searches get their state here; their handlers
// come with the search dialogs. `storedTipAtClosing` reads the setting "TipAtClosing".
void AttachNavigationCommands(CommandRegistry& registry, TipNavigator& navigator,
                              const NavigationState& state, const TipCollection& tips,
                              std::function<int()> storedTipAtClosing);
