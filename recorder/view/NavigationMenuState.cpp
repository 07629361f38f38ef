#include "recorder/view/NavigationMenuState.h"

#include "recorder/data/NavigationState.h"

NavigationMenuState NavigationMenuState::of(const NavigationState& state, int tipCount)
{
    NavigationMenuState menu;
    menu.previousEnabled = state.m_bPrevEnabled;
    menu.latestEnabled = tipCount > 0;
    menu.atClosingEnabled = state.m_TipClosing;
    menu.atRandomChecked = state.m_RandomOrder;
    menu.showAllEnabled = tipCount >= 1;
    menu.searchEnabled = tipCount >= 2;
    return menu;
}
