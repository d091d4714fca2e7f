#include "probe/avi_tail.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string_view>

#include "platform/regular_file.h"
#include "probe/little_endian.h"
#include "probe/tag_scan.h"

namespace {

// A file with more top-level chunks than this is not taken for an AVI the program can edit.
constexpr int kMaxTopLevelChunks = 100000;
// A larger INFO list was not written by this program; it is kept rather than replaced.
constexpr uint32_t kMaxInfoListSize = 1u << 20;
// A real header list holds a few dozen chunks; this many is taken for damage.
constexpr int kMaxHeaderChunks = 10000;

class FileBytes {
 public:
  explicit FileBytes(const std::string& path) : fd_(OpenRegularFile(path)) {}
  ~FileBytes() {
    if (fd_ >= 0) close(fd_);
  }
  FileBytes(const FileBytes&) = delete;
  FileBytes& operator=(const FileBytes&) = delete;

  bool is_open() const { return fd_ >= 0; }
  bool Version(FileVersion& version) const { return FileVersionOf(fd_, version); }
  // Exactly size bytes at offset, or false.
  bool Read(uint64_t offset, size_t size, std::string& out) const {
    return ReadExactlyAt(fd_, offset, size, out);
  }

 private:
  int fd_;
};

// Whether the chunks from offset follow one another exactly to padded_end, each inside end; with
// stream_lists, so do those of each stream list "strl" among them. The stream reader enters the header
// list and its stream lists and walks on from inside them to the end of the RIFF chunk. Where their sizes
// overlap, that walk could reach chunks that only fit once the file grows, so the file would read
// differently after tagging. Other lists the walk steps over whole.
bool ChunksTile(const FileBytes& file, uint64_t offset, uint64_t end, uint64_t padded_end, bool stream_lists,
                int& chunks_left) {
  std::string header;
  while (offset < end) {
    if (--chunks_left < 0 || end - offset < 8) return false;
    if (!file.Read(offset, std::min<uint64_t>(12, end - offset), header)) return false;
    const uint32_t size = Le32At(header, 4);
    const uint64_t chunk_end = offset + 8 + size;
    if (chunk_end > end) return false;
    if (stream_lists && header.compare(0, 4, "LIST") == 0 && size >= 4 && header.compare(8, 4, "strl") == 0 &&
        !ChunksTile(file, offset + 12, chunk_end, chunk_end + (size & 1), false, chunks_left)) {
      return false;
    }
    offset = chunk_end + (size & 1);
  }
  return offset == padded_end;
}

// The header list "hdrl" of an AVI file, at offset, is sound.
bool HeaderListTiles(const FileBytes& file, uint64_t offset, uint32_t size) {
  int chunks_left = kMaxHeaderChunks;
  const uint64_t end = offset + 8 + size;
  return ChunksTile(file, offset + 12, end, end + (size & 1), true, chunks_left);
}

AviTail Status(AviTailStatus status, int error_number = 0) {
  AviTail tail;
  tail.status = status;
  tail.error_number = error_number;
  return tail;
}

}  // namespace

AviTail LocateAviTail(const std::string& path) {
  FileBytes file(path);
  FileVersion version;
  if (!file.is_open() || !file.Version(version)) return Status(AviTailStatus::kCannotRead, errno);
  const uint64_t length = version.length;

  std::string header;
  if (length < 12) return Status(AviTailStatus::kNotRiffAvi);
  if (!file.Read(0, 12, header)) return Status(AviTailStatus::kCannotRead, errno);
  if (header.compare(0, 4, "RIFF") != 0 || header.compare(8, 4, "AVI ") != 0) {
    return Status(AviTailStatus::kNotRiffAvi);
  }
  // The new list and the RIFF size written afterwards assume that the RIFF chunk is the whole file.
  const uint32_t riff_size = Le32At(header, 4);
  const uint64_t riff_end = 8 + uint64_t{riff_size};
  if (riff_end > length) return Status(AviTailStatus::kCutShort);
  if (riff_end != length && riff_end + (riff_size & 1) != length) return Status(AviTailStatus::kNotAtFileEnd);

  uint64_t offset = 12;
  uint64_t list_offset = 0;
  for (int chunks = 0; list_offset == 0 && chunks < kMaxTopLevelChunks; ++chunks) {
    // An odd last chunk without its pad byte leaves offset one past the end.
    if (offset >= riff_end || riff_end - offset < 8) break;
    if (!file.Read(offset, std::min<uint64_t>(12, riff_end - offset), header)) {
      return Status(AviTailStatus::kCannotRead, errno);
    }
    const uint32_t size = Le32At(header, 4);
    const uint64_t padded_end = offset + 8 + size + (size & 1);
    if (padded_end - (size & 1) > riff_end) break;
    if (header.compare(0, 4, "LIST") == 0 && size >= 4 && header.compare(8, 4, "hdrl") == 0 &&
        !HeaderListTiles(file, offset, size)) {
      return Status(AviTailStatus::kDamagedHeader);
    }
    if (header.compare(0, 4, "idx1") == 0) {
      // The pad byte of an odd-sized index must exist, so that the list starts on an even offset.
      if (padded_end > riff_end) break;
      list_offset = padded_end;
    }
    offset = padded_end;
  }
  if (list_offset == 0) return Status(AviTailStatus::kNoIndex);

  AviTail tail;
  tail.status = AviTailStatus::kFound;
  tail.version = version;
  tail.list_offset = list_offset;
  uint64_t kept_offset = list_offset;
  if (riff_end - list_offset >= 8) {
    if (!file.Read(list_offset, 8, header)) return Status(AviTailStatus::kCannotRead, errno);
    const uint32_t list_size = Le32At(header, 4);
    std::string body;
    if (header.compare(0, 4, "LIST") == 0 && list_size == 0) {
      tail.has_info_list = true;
      kept_offset = list_offset + 8;
    } else if (header.compare(0, 4, "LIST") == 0 && list_size >= 4 && list_size <= kMaxInfoListSize &&
               list_size <= riff_end - list_offset - 8) {
      if (!file.Read(list_offset + 8, list_size, body)) return Status(AviTailStatus::kCannotRead, errno);
      if (body.compare(0, 4, "INFO") == 0) {
        tail.has_info_list = true;
        tail.info_list = ParseInfoList(body);
        kept_offset = std::min(list_offset + 8 + list_size + (list_size & 1), riff_end);
      }
    }
  }
  if (riff_end - kept_offset > kMaxKeptAfterIndex) return Status(AviTailStatus::kTailTooLarge);
  const uint64_t scanned = std::min<uint64_t>(length, kTagScanBytes);
  const uint64_t before = std::min<uint64_t>(list_offset, kTagScanBytes);
  if (!file.Read(kept_offset, riff_end - kept_offset, tail.kept_bytes) ||
      !file.Read(length - scanned, scanned, tail.scanned_bytes) ||
      !file.Read(list_offset - before, before, tail.bytes_before_list)) {
    return Status(AviTailStatus::kCannotRead, errno);
  }
  return tail;
}
