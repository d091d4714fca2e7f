#pragma once
// The commands on rows: cut, copy, paste, delete and writing the info tags of the checked rows.

// Moves the selected rows out of the list; the row clipboard keeps the last one (the lowest).
void CutRows();
// Copies the first selected row into the row clipboard.
void CopyRow();
// Inserts the row clipboard below the first selected row (an empty row before any copy); nothing
// without a selection.
void PasteRow();
// Deletes the selected rows.
void DeleteRows();
// Asks for confirmation, then writes the tags of the checked rows into their AVI files, as window work;
// the files that were not written are named at the end.
void WriteInfoData();

// Tests: forget the row clipboard.
void ClearRowClipboardForTesting();
