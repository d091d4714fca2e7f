#pragma once
// The playback suitability check: one row of marks and codec names per list row, their order by
// header clicks, and the aligned text log written from them.
#include <array>
#include <string>
#include <vector>

#include "list/row_file_path.h"
#include "platform/file_write.h"
#include "probe/probe_media_file.h"

// Columns: file name, video mark, audio mark, video format, audio format (CP932).
using CheckRow = std::array<std::string, 5>;

// The check list's column headers (CP932), and the width of the two mark columns for a list font
// size text (read as an integer in automatic base, "0x10" is 16; not a number counts 0): size / 4 + 35.
const std::array<std::string, 5>& CheckListHeaders();
int CheckMarkColumnWidth(const std::string& list_font_size);

// "○" installed, "×" missing, "　" no such stream, for a check result 0 to 7; two "○" for any other.
struct CheckMarks {
  std::string video, audio;
};
CheckMarks MarksForCheckResult(int check_result);

// Probes the list row's file (RowFileResolver) in check mode and returns its check row. A file that is
// missing or cannot be read gives two "×", and "ﾌｧｲﾙがありません" or "ﾌｧｲﾙを読めません" for the video
// codec name; a row whose cells fit several files, or whose list file line was misaligned, two "×" and
// "ﾌｧｲﾙを決められません".
CheckRow CheckListRow(int list_row, RowFileResolver& files);

// The same in two halves, so the files are looked for and probed off the thread that owns the list:
// what the list row gives (its name and what it tells of its file) ...
struct PlannedCheck {
  std::string name;
  RowFileQuery file;
};
PlannedCheck PlanCheckRow(int list_row);
// ... and the search and probe of its file with the given options, safe on any thread.
CheckRow FinishCheckRow(const PlannedCheck& planned, RowFileResolver& files, const ProbeOptions& options);

// Flips the column's entry of the sort direction table shared with the main list, then sorts the rows
// stably by that column's texts, ASCII letter case ignored, descending when the new direction is.
void SortCheckRows(std::vector<CheckRow>& rows, int column);

// The log: a header line of the log's own header texts, then one line per row, each ending in CR LF.
// Column c is padded to the widest of its header and cells (in bytes) plus one blank; data lines get
// one blank more after the file name and one fewer after the audio mark; the last column is unpadded.
std::string RenderCheckLog(const std::vector<CheckRow>& rows);

// Replaces the file at path with the rendered log, all or nothing.
WriteResult WriteCheckLog(const std::string& path, const std::vector<CheckRow>& rows);
