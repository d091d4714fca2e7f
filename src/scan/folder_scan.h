#pragma once
// The folder scan: one row for every listable file of a folder tree (probe's media file name test).
#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "settings/settings.h"

// A file the scan lists, with the key and progress number it gets, both counted from the number of
// rows the list had before the scan.
struct ScannedFile {
  std::string path;
  int32_t key_offset = 0;
  int progress_offset = 0;
};

// Walks the tree below folder (an absolute path; "/" for the root) and returns its listable files (by
// the scan filter flags of settings) in the order their rows take after the rows already there: each
// folder's own files in listing order (platform/dir_listing.h), then the rows of its subfolders,
// subfolder by subfolder, each arranged the same way. The keys and progress numbers are those each row
// would get if each file were inserted, as it is met, at its folder's next row.
// Only folders with attributes exactly 0x10, 0x11 or 0x30 are entered: hidden folders and symbolic
// links are not, and a folder reached a second time (a bind mount of an ancestor) is not entered again.
// Every other entry is treated as a file. A folder that cannot be listed adds nothing. The working
// directory is left alone, and the walk keeps its own stack, so any depth is safe. The walk ends early,
// with the files found so far, once stop is set.
std::vector<ScannedFile> ListFolderScan(const std::string& folder, const SettingsRecord& settings,
                                        const std::atomic<bool>& stop);

// Adds the rows of the folder's listable files after the rows already there (scan/intake_run.h).
void ScanFolder(const std::string& folder);
