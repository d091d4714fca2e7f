#include "app/file_commands.h"

#include <QToolButton>
#include <cstring>
#include <optional>
#include <vector>

#include "app/choosers.h"
#include "app/dialog_commands.h"
#include "app/list_commands_state.h"
#include "app/list_file_warnings.h"
#include "app/main_window.h"
#include "app/menu_state.h"
#include "app/prompts.h"
#include "app/qt_text.h"
#include "app/save_failure_text.h"
#include "app/unsaved_edits.h"
#include "list/columns.h"
#include "list/csv_reader.h"
#include "list/list_file_kind.h"
#include "list/list_file_writer.h"
#include "list/list_model.h"
#include "list/status_totals.h"
#include "list/text_utils.h"
#include "platform/cp932.h"
#include "res/command_ids.h"
#include "settings/settings.h"

namespace {

bool LastThreeAre(const std::string& path, const char* suffix) {
  return strcasecmp(TextRight(path, 3).c_str(), suffix) == 0;
}

void ShowSaveFailure(const ListFileResult& result) {
  MessageBoxRequest request;
  request.icon = QMessageBox::Critical;
  request.caption = QStringLiteral("保存失敗");
  request.text = SaveFailureText(result);
  RunMessageBox(request);
}

void ShowRefusedName() {
  MessageBoxRequest request;
  request.icon = QMessageBox::Warning;
  request.caption = ToQString(RefusedListFileCaption());
  request.text = ToQString(RefusedListFileText());
  RunMessageBox(request);
}

}  // namespace

void NewList() {
  if (!ConfirmDiscardEdits()) return;
  ListDeleteAll();
  ResetStatusTexts();
  ShowStatusTexts();
  for (int item : {kCmdEditEntry, kCmdSaveAs, kCmdCut, kCmdCopy, kCmdDelete, kCmdFind, kCmdFindNext,
                   kCmdOverwriteSave, kCmdWriteInfo, kCmdClearChecks, kCmdPlaybackCheck}) {
    ApplyMenuStateCode(item, kMenuGreyed);
  }
  EnableListToolButtons(1);
  TitleForNewList();
}

void OpenListFile() {
  if (!ConfirmDiscardEdits()) return;
  if (ChooseListFileToOpen() != 0) return;
  const std::string path = ChooserPath();
  Settings().LoadPath = Utf8ToCp932(PathFolder(path));
  if (LastThreeAre(path, "TXT")) {
    CurrentListFile() = path;
    TitleForListFile(path, true);
    ApplyMenuStateCode(kCmdOverwriteSave, kMenuEnable);
    if (MainWin()) MainWin()->toolButton(kCmdSaveAs)->setEnabled(true);
    return;
  }
  // A refused CSV file never becomes the current list file: an overwrite save would replace it.
  const bool csv = LastThreeAre(path, "CSV");
  std::vector<int> misaligned_lines;
  const CsvReadCode code = csv ? ReadCsvListFile(path, &misaligned_lines) : kCsvLoaded;
  if (code != kCsvLoaded) {
    MessageBoxRequest request;
    request.icon = QMessageBox::Critical;
    request.caption = ToQString(CsvReadErrorCaption(code));
    request.text = ToQString(CsvReadErrorText(code));
    RunMessageBox(request);
    return;
  }
  CurrentListFile() = path;
  TitleForListFile(path);
  if (!csv) return;
  ApplyMenuStateCode(kCmdEditEntry, kMenuEnable);
  ApplyMenuStateCode(kCmdOverwriteSave, kMenuEnable);
  EnableListCommands();
  ShowMisalignedCsvLines(misaligned_lines);
}

void SaveListAs() {
  if (ChooseListFileToSave() != 0) return;
  const std::string path = ChooserPath();
  const ListFileKind kind = ListFileKindOfName(path);
  if (kind == kListFileRefused) {
    ShowRefusedName();
    return;
  }
  // An HTML list is written, or the save stopped, in the HTML options dialog.
  const std::optional<ListFileResult> result =
      kind == kListFileHtml ? RunHtmlOptionsDialog() : WriteListFile(path, kind, false);
  // A stopped HTML save wrote nothing, so the window keeps naming the file it had.
  if (!result) return;
  ShowUnreadableCsvCells(result->unreadable_cells);
  if (!result->ok) {
    ShowSaveFailure(*result);
    return;
  }
  NoteEditsKept();
  Settings().SavePath = Utf8ToCp932(PathFolder(path));
  CurrentListFile() = path;
  TitleForListFile(path);
  ApplyMenuStateCode(kCmdOverwriteSave, kMenuEnable);
}

void OverwriteSave() {
  const std::string& path = CurrentListFile();
  const ListFileKind kind = ListFileKindOfName(path);
  if (kind == kListFileRefused) return;
  // The HTML options dialog takes its target from the chooser path.
  if (kind == kListFileHtml) ChooserPath() = path;
  const std::optional<ListFileResult> result =
      kind == kListFileHtml ? RunHtmlOptionsDialog() : WriteListFile(path, kind, kind == kListFileTxt);
  if (result) ShowUnreadableCsvCells(result->unreadable_cells);
  if (result && result->ok) NoteEditsKept();
  if (result && !result->ok) ShowSaveFailure(*result);
}
