#pragma once
// Edits of the entry edit dialog that neither a list file save nor a tag write has kept yet. Closing
// the window, the new-list command and opening a list file would lose them, so they ask first.

// The entry edit dialog changed a row (and checked it).
void NoteEntryEdited();
// A list file save kept every edit.
void NoteEditsKept();

// True when nothing would be lost: no edit since the last save, or no row left checked (written rows
// lose their mark). Otherwise asks once, Yes/No, and true when the user agrees to throw the edits away.
bool ConfirmDiscardEdits();
