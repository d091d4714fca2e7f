#include "app/file_commands.h"

#include "app/main_window.h"
#include "app/menu_state.h"
#include "app/qt_text.h"
#include "list/list_model.h"
#include "list/status_totals.h"
#include "res/command_ids.h"

namespace {

constexpr char kProductName[] = "Tessaroll";

}  // namespace

void SetMainTitle(const std::string& title) {
  if (MainWin()) MainWin()->setWindowTitle(ToQString(title));
}

void NewList() {
  ListDeleteAll();
  ResetStatusTexts();
  ShowStatusTexts();
  for (int item : {kCmdEditEntry, kCmdSaveAs, kCmdCut, kCmdCopy, kCmdDelete, kCmdFind, kCmdFindNext,
                   kCmdOverwriteSave, kCmdWriteInfo, kCmdClearChecks, kCmdPlaybackCheck}) {
    ApplyMenuStateCode(item, kMenuGreyed);
  }
  EnableListToolButtons(1);
  SetMainTitle(std::string(kProductName) + " - <NewFile.csv>");
}
