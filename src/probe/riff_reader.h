#pragma once
// Bounds-checked navigation of RIFF files (AVI, WAVE) on plain file I/O. A chunk is found by its header,
// which must lie inside its parent and the file, and keeps the size it states, so the header lists of a
// cut file are still found; the walk from header to header stops where the next one would lie past the
// parent's end or the file's, and no read goes past the bytes that exist. Damaged or hostile files give
// "not found" or short reads, never an overrun or an endless walk.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "probe/media_file.h"

// A four-character code as it stands in the file: the first character in the lowest byte.
constexpr uint32_t FourCC(const char (&code)[5]) {
  return static_cast<uint32_t>(static_cast<unsigned char>(code[0])) |
         static_cast<uint32_t>(static_cast<unsigned char>(code[1])) << 8 |
         static_cast<uint32_t>(static_cast<unsigned char>(code[2])) << 16 |
         static_cast<uint32_t>(static_cast<unsigned char>(code[3])) << 24;
}

struct RiffChunk {
  uint32_t id = 0;    // chunk identifier ("RIFF" and "LIST" for the two kinds with a type)
  uint32_t size = 0;  // the size field as stored: the bytes after the 8-byte header
  uint32_t type = 0;  // the form type of a RIFF chunk or the list type of a LIST; 0 for other chunks
  uint64_t data = 0;  // file offset of the data (after the type for RIFF and LIST)
  uint64_t end = 0;   // offset just past the data as stored (pad byte not included); may lie past the file
};

class RiffReader {
 public:
  // Opens the file for reading; is_open() tells whether that worked. Every search on a file that is
  // not open finds nothing.
  explicit RiffReader(const std::string& path);
  // Reads a file opened by the caller; reads within its head come from memory. The file must outlive
  // the reader.
  explicit RiffReader(MediaFile& file);
  RiffReader(const RiffReader&) = delete;
  RiffReader& operator=(const RiffReader&) = delete;

  bool is_open() const { return file_->is_open(); }
  uint64_t position() const { return position_; }
  // All bytes taken from the file so far, chunk headers included.
  uint64_t bytes_read() const { return bytes_read_; }

  // Walks the top-level chunks from the file start (wherever the position was) to the first RIFF chunk
  // of the form type and enters it (positions at its first sub-chunk).
  bool FindRiff(uint32_t form_type, RiffChunk& riff);
  // Reads the top-level chunk directly after riff (past its end and pad byte); when it is a RIFF chunk
  // of the form type, enters it.
  bool FindNextRiff(const RiffChunk& riff, uint32_t form_type, RiffChunk& next);
  // From the current position, within parent, finds the next chunk with the identifier (lists are
  // skipped whole, never entered) and enters it (positions at its data).
  bool FindChunk(const RiffChunk& parent, uint32_t id, RiffChunk& chunk);
  // The same for the next LIST chunk of the list type.
  bool FindList(const RiffChunk& parent, uint32_t list_type, RiffChunk& list);
  // A failed FindChunk or FindList leaves the position where it was.

  // Positions after the chunk's end, its pad byte included.
  void Leave(const RiffChunk& chunk);
  // Reads up to count bytes from the current position, never past the chunk's end or the file's;
  // returns how many were read.
  size_t Read(const RiffChunk& chunk, void* out, size_t count);
  void Seek(uint64_t offset) { position_ = offset; }

 private:
  // Walks the chunks between the current position and limit; on a match enters it and returns true.
  bool Walk(uint64_t limit, uint32_t id, bool typed, uint32_t type, RiffChunk& found);
  // Reads the header of the chunk at offset when all of it lies before limit.
  bool ReadHeader(uint64_t offset, uint64_t limit, RiffChunk& chunk);
  // Whether the chunk's data starts with the type; if so, moves its data start past it.
  bool MatchType(RiffChunk& chunk, uint32_t type);
  bool ReadAt(uint64_t offset, void* out, size_t count);

  std::optional<MediaFile> owned_;
  MediaFile* file_;
  uint64_t position_ = 0;
  uint64_t bytes_read_ = 0;
};
