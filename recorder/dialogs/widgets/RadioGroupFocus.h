#pragma once

#include <initializer_list>

class QRadioButton;

// Tab and Shift+Tab into a group of radio buttons land on the checked one, as keyboard
// users expect, so that the arrow keys move on from the current choice and Space never
// picks a button that merely came first.
void TabToCheckedRadio(std::initializer_list<QRadioButton*> group);
