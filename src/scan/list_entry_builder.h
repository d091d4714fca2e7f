#pragma once
// The list entry builder: one media file becomes one row of the row store (list/list_model.h), with
// the cells of every shown column (list/columns.h). Work for hidden columns is skipped: the file is
// opened only when a size, tag or media info column is shown (once, for all of them), its tail read
// only for a size or tag column and its headers only for a media info column.
//
// Building is split in two so that many files can be read at once: reading a file into an entry may
// run on any thread, while committing the entry to the row store runs on the thread that owns the list.
#include <array>
#include <cstdint>
#include <string>

#include "list/columns.h"
#include "probe/probe_media_file.h"
#include "settings/settings.h"

// What reading needs of the column state and the settings record, copied once on the thread that owns
// them, so that readers on other threads touch neither.
struct ListEntryPlan {
  std::array<int, kColumnCount> position{};  // display position by column number, -1 when hidden
  SettingsRecord settings;                   // the size unit and the scan filter
  ProbeOptions probe;
};

// The plan for the columns and settings of now.
ListEntryPlan CurrentListEntryPlan();

// One file's row, read but not yet in the list.
struct ListEntry {
  std::string path;
  std::array<std::string, kColumnCount> cells;  // CP932, by column number; hidden columns stay empty
  int64_t size = 0;                             // 0 when the file was not opened
};

// Reads the file at path into the cells of the plan's shown columns but the volume label: file name,
// sizes, media info, title, creator, comment and folder, names converted from the file system's UTF-8
// to CP932. A file that cannot be opened, or that is not a regular file (a folder, a FIFO, a device),
// keeps its size and media cells empty and is never read, so a FIFO cannot block the scan. With
// folder_fd, the folder of path held open, the file is opened by its name in it: the kernel then looks up
// one name rather than every folder on the path.
ListEntry ReadListEntry(const std::string& path, const ListEntryPlan& plan, int folder_fd = -1);

// Reports "File %d Reading..." with progress_number (scan/scan_progress.h), inserts the entry's row at
// index (at the end when the index lies beyond the rows) with the key, keeps the entry's path as the
// row's path, and sets the shown cells and the volume label. Returns the entry's size.
int64_t CommitListEntry(const ListEntry& entry, const ListEntryPlan& plan, int index, int32_t key,
                        int progress_number);

// Reads and commits one file at row, with the number of rows before the insertion as its key and the
// row as its progress number.
int64_t BuildListEntry(const std::string& path, int row);
