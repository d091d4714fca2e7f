#include "res/accel.h"

#include "res/command_ids.h"

const std::vector<AccelEntry> ACCEL = {
    {"Ctrl+A", kCmdAutoScan},      {"Ctrl+C", kCmdCopy},        {"Ctrl+E", kCmdEditEntry},
    {"Ctrl+F", kCmdFind},          {"Ctrl+M", kCmdScan},        {"Ctrl+N", kCmdNewList},
    {"Ctrl+O", kCmdOpenList},      {"Ctrl+P", kCmdPlayMovie},   {"Ctrl+S", kCmdOverwriteSave},
    {"Ctrl+T", kCmdPlaybackCheck}, {"Ctrl+U", kCmdClearChecks}, {"Ctrl+V", kCmdPaste},
    {"Del", kCmdDelete},           {"F3", kCmdFindNext},        {"Ctrl+W", kCmdWriteInfo},
    {"Ctrl+X", kCmdCut},
};

const char* AccelKeyOf(int command) {
  for (const AccelEntry& entry : ACCEL) {
    if (entry.command == command) return entry.key;
  }
  return nullptr;
}
