#pragma once
// The four status bar texts: row count and total size, disk size, disk free, share of the disk in use.
// This module owns the texts last written (the first of them is the list summary text); the window shows
// them, the batch command prints them. Texts are CP932 bytes; sizes are 64-bit.
#include <array>
#include <cstdint>
#include <string>

// The size of a row's file in KB (1024 bytes), from the cell at display position 1 (the first shown
// size column; at most 31 bytes of it are read): bytes / 1024, MB x 1024 or KB, truncated toward zero,
// with the "MB" or "KB" unit dropped. 0 when no size column is shown or the cell does not parse.
int64_t RowSizeKB(int row);

using StatusTexts = std::array<std::string, 4>;

// "Non Scanning...", "DiskMax: Non Scan", "DiskFree: Non Scan", "Per:Non".
StatusTexts NoScanStatusTexts();

// The first text, for the current list: "12file(s)   1,234KB(1.2MB)", the total right-aligned in six
// characters (grouped when 1000 KB or more); "3file(s) Not KB(Not MB)" when no size column is shown.
std::string StatusCountText();
// "DiskMax: %.1fMB", "DiskFree: %.1fMB" of KB figures; "Per: %.1f%%" of the share in use, or
// "Per:Non" when the total is 0 (the disk could not be asked about).
std::string DiskMaxText(uint64_t total_kb);
std::string DiskFreeText(uint64_t free_kb);
std::string DiskShareText(uint64_t total_kb, uint64_t free_kb);

// Writes all four texts from the list and the file system holding path (the scanned folder or a file in
// it) and returns them.
const StatusTexts& UpdateStatusTotals(const std::string& path);
// Writes the first text only; the disk texts stay. Returns it.
const std::string& UpdateStatusCount();
// The texts last written, the no-scan texts at start and after ResetStatusTexts.
const StatusTexts& CurrentStatusTexts();
// Back to the no-scan texts (new list; tests).
void ResetStatusTexts();

// What the first field shows while the user selects rows: with two or more selected, "%dﾌｧｲﾙ選択
// %sKB(%.1fMB)" over the selected rows' sizes (grouped, no padding); otherwise the list summary text.
std::string SelectionSummaryText();
