#pragma once
// The fourteen positions of the main window's toolbar, left to right.
#include <array>

struct ToolButtonDef {
  int command;             // 0 for a separator
  const char* theme_icon;  // freedesktop icon name
  int tooltip_string;      // number in the string table
  bool initially_enabled;
};

extern const std::array<ToolButtonDef, 14> kToolButtons;

// The commands whose buttons EnableListToolButtons switches: save as, cut, copy, find.
extern const std::array<int, 4> kListToolCommands;
