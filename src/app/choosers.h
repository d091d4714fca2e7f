#pragma once
// The four file choosers, which share one chooser path, and the folder browser of the scan commands.
#include <optional>
#include <string>

// The last path chosen in any file chooser (file-system bytes); each chooser shows it as its initial
// file name. Empty at start.
std::string& ChooserPath();

// Each returns 0 when the user chose a file (its full path is then in ChooserPath()) and 1 when the
// user cancelled.
int ChooseListFileToOpen();  // CSV, TXT, all files; starts in LoadPath
int ChooseListFileToSave();  // CSV, TXT, HTM, all files; starts in SavePath; default suffix csv
int ChooseImageFile();       // JPEG, GIF, all files; starts in LoadPath
int ChooseLogFile();         // TXT, all files

// What one of them gave: ChooserPath() after a choice (0), nothing after a cancel.
std::optional<std::string> ChosenPath(int chooser_result);

// The chosen folder (file-system bytes), or "Err" when the user cancelled.
std::string BrowseScanFolder();
