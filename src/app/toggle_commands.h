#pragma once
// The commands that switch a bar, the grid lines or an option, and the column-width family.

void ToggleToolBar();
void ToggleStatusBar();
void ToggleGridLines();
// Toggles item 40019 and writes EndSet ("1" checked, "2" unchecked) at once.
void ToggleSaveStateAtExit();
// One of the scan filter or MPEG items: checked -> unchecked and option 0, otherwise checked and 1.
// Returns false for an item that is not an option toggle.
bool ToggleOption(int item);
// Commands 40013 (by name, mode 0) and 40014 (by extension, mode 1); a checked item changes nothing.
void ChooseFileNameSort(int item);
// One of the eighteen column-width items: fits that column (40021: every column) to its contents.
// Returns false for an item that is not a column-width item.
bool FitColumnWidth(int item);
// Sets every row unchecked.
void ClearAllChecks();
