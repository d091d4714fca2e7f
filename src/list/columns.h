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
  std::string list_header;  // CP932, half-width katakana
  std::string file_label;   // CP932, full-width katakana; used in list files
  const char* visibility_key;  // section Customize; nullptr for the file name
  const char* width_key;       // section MainSeting
  int default_width;
  bool right_aligned;
  int width_menu_item;
};

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

// Display position of a column, or -1 when it is hidden.
int ColumnPosition(int column_no);
