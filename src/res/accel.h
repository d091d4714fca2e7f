#pragma once
// The accelerator table ACCEL of the main window.
#include <vector>

struct AccelEntry {
  const char* key;  // portable key text, e.g. "Ctrl+A", "Del", "F3"
  int command;
};

extern const std::vector<AccelEntry> ACCEL;

// The key text of the command's accelerator, or nullptr when it has none.
const char* AccelKeyOf(int command);
