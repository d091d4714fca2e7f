#pragma once
// The title, creator and comment tags that the AVI tag writer leaves at the end of a file, found by
// scanning the file's last bytes for the INFO sub-chunk names.
#include <string>
#include <string_view>

// The tail of a file scanned for tags: its last kTagScanBytes bytes, or all of it when it is shorter.
constexpr size_t kTagScanBytes = 1024;

struct TagValues {
  std::string title;    // "ISBJ"
  std::string creator;  // "ICOP"
  std::string comment;  // "ICMT"
};

// Scans the bytes from the start: an "I" followed by "SBJ", "CMT" or "COP" is a tag; its four size
// bytes are skipped and the value runs to the next zero byte, or to the end of the bytes when there is
// none. A later tag of a name replaces an earlier one, line feeds in a value become blanks, and values
// are kept whole. After an "I" followed by anything else the scan goes on after those three bytes, so
// "IISBJ" holds no tag.
TagValues ScanTags(std::string_view tail);
