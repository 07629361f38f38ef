#pragma once

#include "recorder/commands/CommandId.h"

#include <span>

// How a menu item shows its state: plainly, with a check mark, or as one choice of a
// group (a radio mark).
enum class CommandMark { None, Check, Radio };

// One row of the recorder's command vocabulary, in menu order. A row whose id is
// CommandId::None is a separator in its menu. The menu bar, the toolbar, the
// accelerators, the status prompts and the tooltips are all built from these rows and
// from nothing else.
struct CommandRow {
    const char* menu;    // top-level menu caption, with its "&"
    const char* submenu; // caption of the submenu the item sits in, or nullptr
    CommandId id;
    const char* name;    // object name suffix and icon file name ("next" -> ":/icons/next.svg")
    const char* caption; // with its "&" and, after "\t", the key label
    const char* prompt;  // status-bar text while highlighted
    const char* tooltip; // nullptr: none
    const char* keys;    // accelerators, ";"-separated portable key names; nullptr: none
    // Position on the toolbar: tens give the group (a separator between groups), units
    // the order within it; 0 = not on the toolbar.
    int toolbarSlot;
    CommandMark mark;
};

std::span<const CommandRow> CommandTable();

// The row of `id`; nullptr for CommandId::None or an unknown id.
const CommandRow* FindCommand(CommandId id);
