#include "probe/avi_tail.h"

#include <algorithm>
#include <cerrno>
#include <string_view>

#include "platform/byte_cursor.h"
#include "platform/file_descriptor.h"
#include "platform/regular_file.h"
#include "probe/tag_scan.h"

namespace {

// The tail is found: a write can go ahead.
constexpr InfoTagOutcome kFound = InfoTagOutcome::kWritten;

// A file with more top-level chunks than this is not taken for an AVI the program can edit.
constexpr int kMaxTopLevelChunks = 100000;
// A larger INFO list was not written by this program; it is kept rather than replaced.
constexpr uint32_t kMaxInfoListSize = 1u << 20;
// A real header list holds a few dozen chunks; this many is taken for damage.
constexpr int kMaxHeaderChunks = 10000;

class FileBytes {
 public:
  explicit FileBytes(const std::string& path) : fd_(OpenRegularFile(path)) {}

  bool is_open() const { return fd_.is_open(); }
  bool Version(FileVersion& version) const { return FileVersionOf(fd_.get(), version); }
  // Exactly size bytes at offset, or false.
  bool Read(uint64_t offset, size_t size, std::string& out) const {
    return ReadExactlyAt(fd_.get(), offset, size, out);
  }

 private:
  FileDescriptor fd_;
};

struct ChunkHeader {
  std::string_view id;
  uint32_t size = 0;
  std::string_view type;  // the four bytes after the header, when the walk's end leaves room for them
  uint64_t offset = 0;
  uint64_t end = 0;  // just past the data, pad byte not included

  uint64_t padded_end() const { return end + (size & 1); }
  bool IsList(std::string_view list_type) const { return id == "LIST" && size >= 4 && type == list_type; }
};

enum class WalkEnd { kAtEnd, kStopped, kOverrun, kCannotRead };

// Hands visit (which returns whether to go on) each chunk from offset, while its header and data lie
// wholly before end and fewer than chunks_left chunks were visited. offset ends past the last chunk
// visited and its pad byte; an odd last chunk without its pad byte leaves it one past end.
template <typename Visit>
WalkEnd WalkChunks(const FileBytes& file, uint64_t& offset, uint64_t end, int& chunks_left, Visit visit) {
  std::string bytes;
  while (offset < end) {
    if (--chunks_left < 0 || end - offset < 8) return WalkEnd::kOverrun;
    if (!file.Read(offset, std::min<uint64_t>(12, end - offset), bytes)) return WalkEnd::kCannotRead;
    ByteCursor cursor(bytes);
    ChunkHeader chunk;
    chunk.id = cursor.FourCC();
    chunk.size = cursor.Le32();
    chunk.type = cursor.FourCC();
    chunk.offset = offset;
    chunk.end = offset + 8 + chunk.size;
    if (chunk.end > end) return WalkEnd::kOverrun;
    if (!visit(chunk)) return WalkEnd::kStopped;
    offset = chunk.padded_end();
  }
  return WalkEnd::kAtEnd;
}

// Whether the chunks from offset follow one another exactly to padded_end, each inside end; with
// stream_lists, so do those of each stream list "strl" among them. The stream reader enters the header
// list and its stream lists and walks on from inside them to the end of the RIFF chunk. Where their sizes
// overlap, that walk could reach chunks that only fit once the file grows, so the file would read
// differently after tagging. Other lists the walk steps over whole.
bool ChunksTile(const FileBytes& file, uint64_t offset, uint64_t end, uint64_t padded_end, bool stream_lists,
                int& chunks_left) {
  const WalkEnd walk = WalkChunks(file, offset, end, chunks_left, [&](const ChunkHeader& chunk) {
    return !stream_lists || !chunk.IsList("strl") ||
           ChunksTile(file, chunk.offset + 12, chunk.end, chunk.padded_end(), false, chunks_left);
  });
  return walk == WalkEnd::kAtEnd && offset == padded_end;
}

// The header list "hdrl" of an AVI file is sound.
bool HeaderListTiles(const FileBytes& file, const ChunkHeader& list) {
  int chunks_left = kMaxHeaderChunks;
  return ChunksTile(file, list.offset + 12, list.end, list.padded_end(), true, chunks_left);
}

// Whether the file is one RIFF "AVI " chunk; riff_end is where its data ends. kFound: it is.
InfoTagOutcome CheckRiffChunk(const FileBytes& file, uint64_t length, uint64_t& riff_end) {
  std::string header;
  if (length < 12) return InfoTagOutcome::kNotRiffAvi;
  if (!file.Read(0, 12, header)) return InfoTagOutcome::kCannotRead;
  ByteCursor cursor(header);
  const std::string_view id = cursor.FourCC();
  const uint32_t riff_size = cursor.Le32();
  if (id != "RIFF" || cursor.FourCC() != "AVI ") return InfoTagOutcome::kNotRiffAvi;
  // The new list and the RIFF size written afterwards assume that the RIFF chunk is the whole file.
  riff_end = 8 + uint64_t{riff_size};
  if (riff_end > length) return InfoTagOutcome::kCutShort;
  if (riff_end != length && riff_end + (riff_size & 1) != length) return InfoTagOutcome::kNotAtFileEnd;
  return kFound;
}

// The end of idx1's data and pad byte, from the top-level chunks of the RIFF chunk. kFound: there is one.
InfoTagOutcome FindIndexEnd(const FileBytes& file, uint64_t riff_end, uint64_t& list_offset) {
  uint64_t offset = 12;
  int chunks_left = kMaxTopLevelChunks;
  bool damaged_header = false;
  const WalkEnd walk = WalkChunks(file, offset, riff_end, chunks_left, [&](const ChunkHeader& chunk) {
    if (chunk.IsList("hdrl") && !HeaderListTiles(file, chunk)) {
      damaged_header = true;
      return false;
    }
    if (chunk.id != "idx1") return true;
    // The pad byte of an odd-sized index must exist, so that the list starts on an even offset.
    if (chunk.padded_end() <= riff_end) list_offset = chunk.padded_end();
    return false;
  });
  if (walk == WalkEnd::kCannotRead) return InfoTagOutcome::kCannotRead;
  if (damaged_header) return InfoTagOutcome::kDamagedHeader;
  return list_offset == 0 ? InfoTagOutcome::kNoIndex : kFound;
}

// Takes the INFO list (or the emptied list) at tail.list_offset, if there is one; kept_offset is where
// the bytes kept after it start. False when the file cannot be read.
bool ReadInfoList(const FileBytes& file, uint64_t riff_end, AviTail& tail, uint64_t& kept_offset) {
  kept_offset = tail.list_offset;
  if (riff_end - tail.list_offset < 8) return true;
  std::string header;
  if (!file.Read(tail.list_offset, 8, header)) return false;
  ByteCursor cursor(header);
  const bool is_list = cursor.FourCC() == "LIST";
  const uint32_t list_size = cursor.Le32();
  const uint64_t body_offset = tail.list_offset + 8;
  if (is_list && list_size == 0) {
    tail.has_info_list = true;
    kept_offset = body_offset;
  } else if (is_list && list_size >= 4 && list_size <= kMaxInfoListSize &&
             list_size <= riff_end - body_offset) {
    std::string body;
    if (!file.Read(body_offset, list_size, body)) return false;
    if (body.compare(0, 4, "INFO") == 0) {
      tail.has_info_list = true;
      tail.info_list = ParseInfoList(body);
      kept_offset = std::min(body_offset + list_size + (list_size & 1), riff_end);
    }
  }
  return true;
}

InfoTagOutcome ReadTail(const FileBytes& file, AviTail& tail) {
  if (!file.is_open() || !file.Version(tail.version)) return InfoTagOutcome::kCannotRead;
  const uint64_t length = tail.version.length;
  uint64_t riff_end = 0;
  InfoTagOutcome status = CheckRiffChunk(file, length, riff_end);
  if (status == kFound) status = FindIndexEnd(file, riff_end, tail.list_offset);
  if (status != kFound) return status;
  uint64_t kept_offset = 0;
  if (!ReadInfoList(file, riff_end, tail, kept_offset)) return InfoTagOutcome::kCannotRead;
  if (riff_end - kept_offset > kMaxKeptAfterIndex) return InfoTagOutcome::kTooLarge;
  const uint64_t scanned = std::min<uint64_t>(length, kTagScanBytes);
  const uint64_t before = std::min<uint64_t>(tail.list_offset, kTagScanBytes);
  if (!file.Read(kept_offset, riff_end - kept_offset, tail.kept_bytes) ||
      !file.Read(length - scanned, scanned, tail.scanned_bytes) ||
      !file.Read(tail.list_offset - before, before, tail.bytes_before_list)) {
    return InfoTagOutcome::kCannotRead;
  }
  return kFound;
}

InfoTagResult CannotRead(int error_number) {
  if (error_number == ENOENT) return {InfoTagOutcome::kMissingFile, error_number};
  // The open refuses anything but a regular file with EISDIR or EINVAL.
  if (error_number == EISDIR || error_number == EINVAL)
    return {InfoTagOutcome::kNotRegularFile, error_number};
  return {InfoTagOutcome::kCannotRead, error_number};
}

}  // namespace

AviTail LocateAviTail(const std::string& path) {
  const FileBytes file(path);
  AviTail tail;
  const InfoTagOutcome outcome = ReadTail(file, tail);
  if (outcome == kFound) {
    tail.result = InfoTagResult{kFound, 0};
    return tail;
  }
  AviTail failed;
  failed.result = outcome == InfoTagOutcome::kCannotRead ? CannotRead(errno) : InfoTagResult{outcome, 0};
  return failed;
}
