#pragma once
// The folder scan: one row for every listable file of a folder tree (probe's media file name test).
#include <string>

// Walks the tree below folder (an absolute path; "/" for the root) and adds its listable files after
// the rows already there: each folder's own files in listing order (platform/dir_listing.h), then the
// rows of its subfolders, subfolder by subfolder, each arranged the same way. Rows get the keys and
// progress numbers they would get if each file were inserted, as it is met, at its folder's next row.
// Only folders with attributes exactly 0x10, 0x11 or 0x30 are entered: hidden folders and symbolic
// links are not, and a folder reached a second time (a bind mount of an ancestor) is not entered again.
// Every other entry is treated as a file. A folder that cannot be listed adds nothing. The working
// directory is left alone, and the walk keeps its own stack, so any depth is safe.
void ScanFolder(const std::string& folder);
