#include "app/dialog_commands.h"

#include "app/choosers.h"
#include "app/find_commands.h"
#include "app/list_view.h"
#include "app/main_window.h"
#include "app/unsaved_edits.h"
#include "app/window_geometry.h"
#include "app/window_state.h"
#include "edit/entry_edit_dialog.h"
#include "edit/find_dialog.h"
#include "list/list_model.h"
#include "scan/playback_check_dialog.h"
#include "settings/html_options_dialog.h"
#include "settings/settings.h"
#include "settings/settings_dialog.h"

void ShowSettingsDialog() {
  SettingsDialog dialog(MainWin(), BrowseScanFolder);
  CentreOverMainWindow(&dialog);
  if (dialog.exec() != QDialog::Accepted) return;
  CreateWindowFonts();
  ListSetColors(Settings().ListFoColor, Settings().ListBkColor);
}

std::optional<ListFileResult> RunHtmlOptionsDialog() {
  HtmlOptionsDialog dialog(MainWin(), ChooserPath(), [] { return ChosenPath(ChooseImageFile()); });
  CentreOverMainWindow(&dialog);
  dialog.exec();
  return dialog.saveResult();
}

void OpenEntryEditDialog() {
  const int row = ListNextSelected(-1);
  if (row < 0) return;
  EntryEditDialog dialog(MainWin());
  QObject::connect(&dialog, &EntryEditDialog::rowEdited, NoteEntryEdited);
  CentreOverMainWindow(&dialog);
  InitEntryEditDialog(&dialog, row);
  dialog.exec();
}

void OpenFindDialog() {
  FindDialog dialog(MainWin());
  ConnectFindDialog(dialog);
  CentreOverMainWindow(&dialog);
  dialog.exec();
}

void OpenPlaybackCheckDialog() {
  PlaybackCheckDialog dialog(MainWin(), ListFont(), [] { return ChosenPath(ChooseLogFile()); });
  CentreOverMainWindow(&dialog);
  dialog.exec();
}
