#pragma once
// The folder scan: one row for every listable file of a folder tree (probe's media file name test).
#include <atomic>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "settings/settings.h"

// A file the scan lists, with the key and progress number it gets, both counted from the number of
// rows the list had before the scan.
struct ScannedFile {
  std::string path;
  int32_t key_offset = 0;
  int progress_offset = 0;
};

// Where a walk (WalkFolderScan) reports its rows as it goes, so that they can be read while the rest of
// the tree is still being listed. Rows are numbered from the scan's first row.
class FolderScanSink {
 public:
  virtual ~FolderScanSink() = default;
  // A folder's listable files as the folder is entered: the next rows, in order, each with its progress
  // number. Their keys (key_offset here is 0) come once the walk has met each file (KeysMet).
  virtual void FilesListed(std::vector<ScannedFile> files) = 0;
  // The keys of rows listed before, by row number.
  virtual void KeysMet(const std::vector<std::pair<size_t, int32_t>>& keys) = 0;
};

// Walks the tree below folder (an absolute path; "/" for the root) and reports its listable files (by
// the scan filter flags of settings) in the order their rows take after the rows already there: each
// folder's own files in listing order (platform/dir_listing.h), then the rows of its subfolders,
// subfolder by subfolder, each arranged the same way. The keys and progress numbers are those each row
// would get if each file were inserted, as it is met, at its folder's next row.
// Only folders with attributes exactly 0x10, 0x11 or 0x30 are entered: hidden folders and symbolic
// links are not, and a folder reached a second time (a bind mount of an ancestor) is not entered again.
// Every other entry is treated as a file. A folder that cannot be listed adds nothing. The working
// directory is left alone, and the walk keeps its own stack, so any depth is safe. The walk ends early
// once stop is set; rows listed then may never get their keys.
void WalkFolderScan(const std::string& folder, const SettingsRecord& settings, const std::atomic<bool>& stop,
                    FolderScanSink& sink);

// The walk's rows all at once, keys in place.
std::vector<ScannedFile> ListFolderScan(const std::string& folder, const SettingsRecord& settings,
                                        const std::atomic<bool>& stop);

// Adds the rows of the folder's listable files after the rows already there (scan/intake_run.h).
void ScanFolder(const std::string& folder);
