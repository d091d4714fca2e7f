#pragma once
// The texts of the entry edit dialog for one list row: the caption and fact lines it shows, its four
// editable fields, and storing those fields back into the row's cells.
#include <array>
#include <optional>
#include <string>

// The eleven genres the genre box lists, in order (CP932).
const std::array<std::string, 11>& GenreItems();

// The read-only texts (CP932) of the dialog for a row. Cells are read up to 255 bytes each, and the
// lines are as long as their pieces make them (never cut). A hidden column gives its "None" text; the
// folder line is empty while the folder path column is hidden.
struct EntryEditFacts {
  std::string caption;  // file name less its last four bytes, then "のｴﾃﾞｨｯﾄ"
  std::string file_name;
  std::string folder;
  std::string size_line;     // KB and MB cells
  std::string format_line;   // video format and rate, audio format and rate
  std::string picture_line;  // resolution, frame rate, playing time
};
EntryEditFacts MakeEntryEditFacts(int row);

// The four editable fields; a field whose column is hidden is absent (its control is disabled).
struct EntryEditFields {
  std::optional<std::string> title, genre, creator, comment;
};

// The fields as the dialog starts: the row's cells, except that an empty genre starts as the first
// genre item, so OK without a touch stores that genre.
EntryEditFields InitialEntryEditFields(int row);

// Stores each present field in its cell (cut to 255 bytes) and sets the row's check mark when any of
// them differs from the cell it replaces. Never clears a check mark. Returns whether any differed.
bool StoreEntryEditFields(int row, const EntryEditFields& fields);
