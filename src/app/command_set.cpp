#include "app/command_set.h"

#include <QApplication>

#include "app/background_work.h"
#include "app/dialog_commands.h"
#include "app/file_commands.h"
#include "app/find_commands.h"
#include "app/main_window.h"
#include "app/play_movie.h"
#include "app/row_commands.h"
#include "app/scan_commands.h"
#include "app/toggle_commands.h"
#include "app/version_dialog.h"
#include "res/command_ids.h"

void HandleCommand(int command) {
  command &= 0xFFFF;
  if (RefusedWhileWorking(command)) return;
  if (ToggleOption(command) || FitColumnWidth(command)) return;
  switch (command) {
    case kCmdNewList:
      NewList();
      break;
    case kCmdOpenList:
      OpenListFile();
      break;
    case kCmdSaveAs:
      SaveListAs();
      break;
    case kCmdOverwriteSave:
      OverwriteSave();
      break;
    case kCmdScan:
      ScanChosenFolder();
      break;
    case kCmdAutoScan:
      AutoScan();
      break;
    case kCmdCut:
      CutRows();
      break;
    case kCmdCopy:
      CopyRow();
      break;
    case kCmdPaste:
      PasteRow();
      break;
    case kCmdDelete:
      DeleteRows();
      break;
    case kCmdWriteInfo:
      WriteInfoData();
      break;
    case kCmdExit:
      if (MainWin()) MainWin()->close();
      break;
    case kCmdSortByName:
    case kCmdSortByExtension:
      ChooseFileNameSort(command);
      break;
    case kCmdToolBar:
      ToggleToolBar();
      break;
    case kCmdStatusBar:
      ToggleStatusBar();
      break;
    case kCmdGridLines:
      ToggleGridLines();
      break;
    case kCmdSaveStateAtExit:
      ToggleSaveStateAtExit();
      break;
    case kCmdCustomize:
      ShowSettingsDialog();
      if (MainWin()) MainWin()->update();
      break;
    case kCmdVersion:
      QApplication::beep();
      ShowVersionDialog();
      break;
    case kCmdClearChecks:
      ClearAllChecks();
      break;
    case kCmdPlayMovie:
      PlaySelectedMovie();
      break;
    case kCmdEditEntry:
      OpenEntryEditDialog();
      break;
    case kCmdFind:
      OpenFindDialog();
      break;
    case kCmdFindNext:
      FindNext();
      break;
    case kCmdPlaybackCheck:
      OpenPlaybackCheckDialog();
      break;
    default:
      break;
  }
}
