#include "app/list_commands_state.h"

#include <QFile>

#include "app/main_window.h"
#include "app/menu_state.h"
#include "list/columns.h"
#include "list/text_utils.h"
#include "res/command_ids.h"

namespace {

// Titles after start-up name the product itself; the mvTitle setting is for the first title only.
const QString kProductName = QStringLiteral("Tessaroll");

void SetTitle(const QString& title) {
  if (MainWin()) MainWin()->setWindowTitle(title);
}

}  // namespace

std::string& CurrentListFile() {
  static std::string path;
  return path;
}

void TitleForNewList() {
  SetTitle(kProductName + QStringLiteral(" - <NewFile.csv>"));
}

void TitleForListFile(const std::string& path, bool append_only) {
  QString title = kProductName + QStringLiteral(" - <") + QFile::decodeName(PathFileName(path).c_str()) + '>';
  if (append_only) title += QStringLiteral(" Append Only!");
  SetTitle(title);
}

void EnableListCommands() {
  for (int item : {kCmdSaveAs, kCmdCut, kCmdCopy, kCmdDelete, kCmdFind})
    ApplyMenuStateCode(item, kMenuEnable);
  if (Columns().shown[kColFolder] == 1) ApplyMenuStateCode(kCmdPlaybackCheck, kMenuEnable);
  EnableListToolButtons(0);
}
