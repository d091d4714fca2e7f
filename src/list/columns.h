#pragma once
// The seventeen fixed columns of the list and the column state of the run.
#include <array>
#include <string>

enum ColumnNo {
  kColFileName = 0,
  kColSizeBytes,
  kColSizeMB,
  kColSizeKB,
  kColTitle,
  kColVideoFormat,
  kColAudioFormat,
  kColVideoRate,
  kColAudioRate,
  kColFrameRate,
  kColResolution,
  kColPlayTime,
  kColGenre,
  kColCreator,
  kColComment,
  kColFolder,
  kColVolume,
  kColumnCount
};

struct ColumnDef {
  std::string list_header;     // CP932, half-width katakana
  std::string file_label;      // CP932, full-width katakana; used in list files
  const char* visibility_key;  // section Customize; nullptr for the file name
  const char* width_key;       // section MainSeting
  int default_width;
  bool right_aligned;
  int width_menu_item;
};

// The table entry of a column (0 to 16); an empty entry for any other number.
const ColumnDef& ColumnTable(int column_no);

struct ColumnState {
  std::array<int, kColumnCount> shown{};     // 1 = shown; the file name is always 1
  std::array<int, kColumnCount> width{};     // stored widths in pixels
  std::array<int, kColumnCount> position{};  // display position, -1 when hidden
  int last_position = 0;
};

// The one column state of the run.
ColumnState& Columns();

// Fills the column state from the settings file (visibility and width keys, display positions) and
// sets up the row store's columns. Called once when the list is created.
void BuildColumns();

// Display position of a column, or -1 when it is hidden (or not a column).
int ColumnPosition(int column_no);
// The column shown at a display position, or -1 when none is.
int ColumnAtPosition(int position);

// The state for these flags and widths: shown is 1 where the flag is 1 and 0 for any other value
// (the file name is always shown); shown columns take the next display positions in table order.
ColumnState MakeColumnState(const std::array<int, kColumnCount>& flags,
                            const std::array<int, kColumnCount>& widths);
// Makes the state the one of the run and gives the row store the shown columns (list header, stored
// width, alignment) by display position.
void UseColumns(const ColumnState& state);
