#pragma once
// The state shared by the commands that change the list or its file: the current list file, the
// enabling of the list commands, and the wait cursor of long work.
#include <QString>
#include <string>

// The list file last opened or saved through the choosers (file-system bytes); empty at start.
std::string& CurrentListFile();

// Titles the window "Tessaroll - <NewFile.csv>", "Tessaroll - <name>" or "Tessaroll - <name> Append
// Only!" for a list file path (the folder is left out).
void TitleForNewList();
void TitleForListFile(const std::string& path, bool append_only = false);

// Enables 40003, 40008, 40009, 40011 and 40015 (and 40049 while the folder path column is shown) and
// the four list toolbar buttons.
void EnableListCommands();
