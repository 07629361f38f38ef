#include "recorder/view/NavigationCommands.h"

#include "recorder/commands/CommandRegistry.h"
#include "recorder/data/TipCollection.h"
#include "recorder/view/NavigationMenuState.h"
#include "recorder/view/TipNavigator.h"

void AttachNavigationCommands(CommandRegistry& registry, TipNavigator& navigator,
                              const NavigationState& state, const TipCollection& tips,
                              std::function<int()> storedTipAtClosing)
{
    using Id = CommandId;
    registry.setHandler(Id::Next, [&navigator] { navigator.ShowNextTip(); });
    registry.setHandler(Id::Previous, [&navigator] { navigator.ShowPreviousTip(); });
    registry.setHandler(Id::Latest, [&navigator] { navigator.ShowLatestTip(); });
    registry.setHandler(Id::AtClosing, [&navigator, stored = std::move(storedTipAtClosing)] {
        navigator.ShowTipAtClosing(stored());
    });
    registry.setHandler(Id::AtRandom, [&navigator] { navigator.SetRandomOrder(true); });
    registry.setHandler(Id::InOrder, [&navigator] { navigator.SetRandomOrder(false); });
    registry.setHandler(Id::ShowAll, [&navigator] { navigator.ShowAll(); });

    const auto menu = [&state, &tips] { return NavigationMenuState::of(state, tips.count()); };
    const auto enabledWhen = [&registry, menu](Id id, bool NavigationMenuState::*flag) {
        registry.setStateRule(id, [menu, flag] { return CommandState{menu().*flag, false}; });
    };
    enabledWhen(Id::Previous, &NavigationMenuState::previousEnabled);
    enabledWhen(Id::Latest, &NavigationMenuState::latestEnabled);
    enabledWhen(Id::AtClosing, &NavigationMenuState::atClosingEnabled);
    enabledWhen(Id::ShowAll, &NavigationMenuState::showAllEnabled);
    for (Id search : {Id::SearchCategory, Id::SearchDate, Id::SearchNumber, Id::SearchText})
        enabledWhen(search, &NavigationMenuState::searchEnabled);
    registry.setStateRule(Id::AtRandom, [menu] {
        return CommandState{true, menu().atRandomChecked};
    });
    registry.setStateRule(Id::InOrder, [menu] {
        return CommandState{true, !menu().atRandomChecked};
    });
}
