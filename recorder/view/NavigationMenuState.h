#pragma once

struct NavigationState;

// Enabled and marked states of the navigation and search menu items, read from the
// document's flags and the number of Tips. Next and the two order items are always
// enabled.
struct NavigationMenuState {
    bool previousEnabled = false;
    bool latestEnabled = false;
    bool atClosingEnabled = false;
    bool atRandomChecked = false; // In Order carries the mark otherwise
    bool showAllEnabled = false;
    bool searchEnabled = false; // Category, Date, Number and Text

    static NavigationMenuState of(const NavigationState& state, int tipCount);
};
