#pragma once
// The menu resources of the main window: the menu bar TOP_MENUS and the row menu POPUPMENU, as data.
// Labels are UTF-8 as stored; a label that shows a shortcut keeps the shortcut text apart.
#include <string>
#include <vector>

struct MenuEntry {
  enum Kind { kItem, kSeparator, kPopup };
  Kind kind = kItem;
  int command = 0;               // items only
  std::string label;             // items and popups
  std::string shortcut;          // items: the text after the tab, empty when none
  int state = 2;                 // items: initial menu state code (1 checked, 2 enabled, 3 greyed)
  std::vector<MenuEntry> items;  // popups only
};

// The popups of the menu bar, left to right.
extern const std::vector<MenuEntry> TOP_MENUS;
// The one popup of the row menu (its own label is never shown).
extern const MenuEntry POPUPMENU;

// The first item with that command in the entries and their popups; nullptr when none.
const MenuEntry* FindMenuItem(const std::vector<MenuEntry>& entries, int command);
