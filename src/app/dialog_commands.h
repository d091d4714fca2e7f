#pragma once
// The commands that open the option, edit and check dialogs: each dialog modal over the main window and
// centred on it, given the choosers and fonts it needs, and the window brought up to date afterwards.
// The dialogs themselves never reach for the window.
#include <optional>

#include "list/list_file_writer.h"

// Command 40018: the settings dialog with BrowseScanFolder behind its browse button; after OK rebuilds
// both window fonts and gives the list its text and background colours.
void ShowSettingsDialog();

// The HTM save of the save commands: the HTML options dialog with the chooser path as its target and
// ChooseImageFile behind its image button. Nothing when the user stopped the save, else the outcome of
// writing the list file.
std::optional<ListFileResult> RunHtmlOptionsDialog();

// The entry edit dialog on the first selected row, its edits noted as unsaved; nothing without a
// selected row.
void OpenEntryEditDialog();

// Command 40015: the find dialog, its searches shown in the list (ConnectFindDialog).
void OpenFindDialog();

// Command 40049: the playback check in the list font, with ChooseLogFile behind its log button.
void OpenPlaybackCheckDialog();
