#pragma once
// Playing the first selected row's file in the system's media player.

// Silent when no player is known. When the row's file (RowFileResolver) is not there, or the folder
// path column is hidden, so no folder is known, shows the "not found" message; when the row's cells
// fit several files, or its list file line was misaligned, says so; otherwise starts the player on it.
void PlaySelectedMovie();
