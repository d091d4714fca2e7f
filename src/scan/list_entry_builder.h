#pragma once
// The list entry builder: one media file becomes one row of the row store (list/list_model.h), with
// the cells of every shown column (list/columns.h). Work for hidden columns is skipped: the file is
// opened only when a size, tag or media info column is shown (once, for all of them), its tail read
// only for a size or tag column and its headers only for a media info column.
#include <cstdint>
#include <string>

// Reports "File %d Reading..." with row (scan/scan_progress.h), inserts the row at that index (at the
// end when the index lies beyond the rows) with the number of rows before the insertion as its key, keeps
// path as the row's path and fills the shown cells: file name, sizes, media info, title, creator, comment,
// folder and volume label, names converted from the file system's UTF-8 to CP932. Returns the file size, 0
// when the file was not opened. A file that cannot be opened, or that is not a regular file (a folder, a
// FIFO, a device), keeps its size and media cells empty and is never read, so a FIFO cannot block the scan.
int64_t BuildListEntry(const std::string& path, int row);

// The same with the key and the progress number chosen by the caller: the folder scan builds its rows
// in their final order but gives each the key and number it would have had when inserted one by one.
int64_t BuildListEntryWithKey(const std::string& path, int index, int32_t key, int progress_number);
