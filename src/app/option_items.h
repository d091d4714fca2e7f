#pragma once
// The scan filter and MPEG options: each a check-mark item of the main menu with its flag in the settings
// record and its key in section MainSeting. Checked is flag 1, unchecked 0.
#include <array>

#include "settings/settings.h"

struct OptionItem {
  const char* key;
  int SettingsRecord::*flag;
  int item;
};

// In the order they are applied at start and saved at exit.
extern const std::array<OptionItem, 16> kOptionItems;
