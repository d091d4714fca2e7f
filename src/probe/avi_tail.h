#pragma once
// Where an AVI file's INFO list goes: right after the data of the "idx1" chunk of the file's RIFF "AVI "
// chunk. The file is only read here; every size read from it is checked against the bytes that exist.
//
// The chunks are walked here rather than with RiffReader, whose search finds a chunk that runs past the
// end of the file (so a cut file still lists) and takes a failed read for "not found": a file is only
// tagged when every chunk lies wholly inside it, and a read error must stay apart from a file cut short.
#include <cstdint>
#include <string>

#include "platform/file_write.h"
#include "probe/info_list.h"

enum class AviTailStatus {
  kFound,
  kCannotRead,     // the file cannot be opened or read; error_number says why
  kNotRiffAvi,     // the file does not start with a RIFF chunk of form "AVI "
  kNotAtFileEnd,   // data follows the RIFF chunk: further RIFF chunks (large files) or other bytes
  kCutShort,       // the RIFF chunk's size runs past the end of the file: a download cut short, damage
  kNoIndex,        // no complete "idx1" chunk inside the RIFF chunk
  kDamagedHeader,  // the chunks of the header list "hdrl" overlap or leave gaps
  kTailTooLarge,   // more data follows "idx1" than is kept in memory while the file is changed
};

struct AviTail {
  AviTailStatus status = AviTailStatus::kCannotRead;
  int error_number = 0;
  FileVersion version;       // the file as it was read, so that a change before the write is noticed
  uint64_t list_offset = 0;  // the end of idx1's data (and its pad byte): where the INFO list starts
  // An INFO list (or the eight-byte emptied list) directly after idx1 is replaced; everything after it,
  // or everything after idx1 when there is none, is kept after the new list.
  bool has_info_list = false;
  InfoList info_list;  // what that list holds
  // The bytes the list entry builder scans for tags now: the file's last kTagScanBytes bytes or all of
  // it; and the up to kTagScanBytes bytes right before list_offset, which a short new tail leaves in the
  // scanned bytes.
  std::string scanned_bytes;
  std::string bytes_before_list;
  // The bytes from the end of that list (or of idx1) to the end of the RIFF chunk; the pad byte after an
  // odd-sized RIFF chunk is not among them.
  std::string kept_bytes;
};

// Most bytes after idx1 that are kept, at most 16 MiB.
constexpr uint64_t kMaxKeptAfterIndex = 16u << 20;

// Reads the file's top-level structure. A damaged or hostile file gives a status other than kFound,
// never a crash or a long walk.
AviTail LocateAviTail(const std::string& path);
