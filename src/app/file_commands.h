#pragma once
// The commands on the list file: new list, open, save as, overwrite save.

// The first two ask before they throw away edits nobody kept (ConfirmDiscardEdits); a save keeps them.

// Empties the list, resets the status texts, greys the commands that need rows and the four list
// toolbar buttons, and titles the window "Tessaroll - <NewFile.csv>".
void NewList();

// Chooses a file: a CSV file is read into the list, a TXT file becomes the target of later appends;
// either becomes the current list file and titles the window. A refused CSV file is reported in a
// message box and leaves the title and the current list file as they were; a loaded one whose lines
// did not all line up with the header names those lines in a warning box.
void OpenListFile();

// Chooses a file and writes the list as TXT or CSV by the name's last three characters; for "HTM" and
// ".html" opens the HTML options dialog, which writes the HTML list or stops the save. A stopped save, a
// name of another kind or a failed write (the last two reported in a message box) changes neither the
// title nor the current list file. CSV cells that will not read back as they are are named in a warning
// box; the list is saved all the same.
void SaveListAs();

// Writes the list to the current list file: appended to a TXT file, replacing a CSV file; an HTML file
// through the HTML options dialog. A failed write is reported in a message box, CSV cells that will not
// read back as they are in a warning box.
void OverwriteSave();
