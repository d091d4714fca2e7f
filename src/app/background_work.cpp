#include "app/background_work.h"

#include <QAction>
#include <QToolButton>
#include <algorithm>
#include <map>
#include <utility>

#include "app/main_window.h"
#include "app/menu_state.h"
#include "res/command_ids.h"

namespace {

// Copy, find, playing a file and the view and option items only read the list or change what later
// work will do (the running work took its settings when it started), so they stay.
constexpr int kRefusedCommands[] = {kCmdNewList,     kCmdOpenList,     kCmdSaveAs,    kCmdOverwriteSave,
                                    kCmdScan,        kCmdAutoScan,     kCmdCut,       kCmdPaste,
                                    kCmdDelete,      kCmdEditEntry,    kCmdCustomize, kCmdWriteInfo,
                                    kCmdClearChecks, kCmdPlaybackCheck};

struct Work {
  bool running = false;
  std::function<void()> stop;
  std::map<int, int> held_codes;
  std::map<int, bool> held_buttons;
};

Work& Current() {
  static Work work;
  return work;
}

bool Refused(int command) {
  return std::ranges::find(kRefusedCommands, command) != std::end(kRefusedCommands);
}

}  // namespace

bool WorkRunning() {
  return Current().running;
}

void BeginWork(std::function<void()> stop) {
  Work& work = Current();
  work = Work{};
  work.stop = std::move(stop);
  for (int command : kRefusedCommands) {
    work.held_codes[command] = ReadMenuStateCode(command);
    ApplyMenuStateCode(command, kMenuGreyed);
    if (QToolButton* button = MainWin() ? MainWin()->toolButton(command) : nullptr) {
      work.held_buttons[command] = button->isEnabled();
      button->setEnabled(false);
    }
  }
  work.running = true;
  if (MainWin()) MainWin()->showStopControls(true);
}

void EndWork() {
  Work work = std::exchange(Current(), Work{});
  for (const auto& [command, code] : work.held_codes) ApplyMenuStateCode(command, code);
  for (const auto& [command, enabled] : work.held_buttons) {
    if (QToolButton* button = MainWin() ? MainWin()->toolButton(command) : nullptr)
      button->setEnabled(enabled);
  }
  if (MainWin()) MainWin()->showStopControls(false);
}

void StopWork() {
  if (!Current().running) return;
  const std::function<void()> stop = Current().stop;
  stop();
}

void ForgetWork() {
  Current() = Work{};
}

bool RefusedWhileWorking(int command) {
  return Current().running && Refused(command & 0xFFFF);
}

bool HoldMenuState(int item, int code) {
  if (!RefusedWhileWorking(item)) return false;
  Current().held_codes[item] = code;
  return true;
}

bool HoldToolButtonState(int command, bool enabled) {
  if (!RefusedWhileWorking(command)) return false;
  Current().held_buttons[command] = enabled;
  return true;
}
