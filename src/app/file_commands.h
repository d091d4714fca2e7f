#pragma once
// The commands on the list file: new list, open, save as, overwrite save.
#include <string>

// Composes the window title with the fixed product name: "%s - <NewFile.csv>" for a new list.
void SetMainTitle(const std::string& title);

// Empties the list, resets the status texts, greys the commands that need rows and the four list
// toolbar buttons, and titles the window "Tessaroll - <NewFile.csv>".
void NewList();
