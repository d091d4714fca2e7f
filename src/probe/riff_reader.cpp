#include "probe/riff_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

namespace {

constexpr uint64_t kHeaderSize = 8;
constexpr uint64_t kTypeSize = 4;
// A walk reads one header per chunk; a file of millions of empty chunks must not make a search crawl.
constexpr int kMaxChunksPerWalk = 100000;

uint32_t Le32(const unsigned char* bytes) {
  return bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

}  // namespace

RiffReader::RiffReader(const std::string& path) {
  fd_ = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  struct stat status;
  if (fd_ >= 0 && (fstat(fd_, &status) != 0 || !S_ISREG(status.st_mode))) {
    close(fd_);
    fd_ = -1;
  }
  if (fd_ >= 0) file_size_ = static_cast<uint64_t>(status.st_size);
}

RiffReader::~RiffReader() {
  if (fd_ >= 0) close(fd_);
}

bool RiffReader::ReadAt(uint64_t offset, void* out, size_t count) {
  if (fd_ < 0 || offset > file_size_ || count > file_size_ - offset) return false;
  size_t done = 0;
  while (done < count) {
    ssize_t got = pread(fd_, static_cast<char*>(out) + done, count - done, static_cast<off_t>(offset + done));
    if (got <= 0) return false;
    done += static_cast<size_t>(got);
    bytes_read_ += static_cast<uint64_t>(got);
  }
  return true;
}

bool RiffReader::Walk(uint64_t limit, uint32_t id, bool typed, uint32_t type, RiffChunk& found) {
  limit = std::min(limit, file_size_);
  uint64_t offset = position_;
  for (int chunks = 0; chunks < kMaxChunksPerWalk; ++chunks) {
    unsigned char header[kHeaderSize + kTypeSize];
    if (offset > limit || limit - offset < kHeaderSize || !ReadAt(offset, header, kHeaderSize)) return false;
    RiffChunk chunk;
    chunk.id = Le32(header);
    chunk.size = Le32(header + 4);
    chunk.data = offset + kHeaderSize;
    chunk.end = chunk.data + chunk.size;
    // Sizes are trusted only as far as the parent and the file reach; past that nothing is reliable.
    if (chunk.end > limit) return false;
    if (chunk.id == id && typed) {
      // A list too small to hold its type matches no type.
      if (chunk.size >= kTypeSize && ReadAt(chunk.data, header + kHeaderSize, kTypeSize) &&
          Le32(header + kHeaderSize) == type) {
        chunk.type = type;
        chunk.data += kTypeSize;
        found = chunk;
        position_ = chunk.data;
        return true;
      }
    } else if (chunk.id == id) {
      found = chunk;
      position_ = chunk.data;
      return true;
    }
    offset = chunk.end + (chunk.size & 1);
  }
  return false;
}

bool RiffReader::FindRiff(uint32_t form_type, RiffChunk& riff) {
  position_ = 0;
  return Walk(file_size_, FourCC("RIFF"), true, form_type, riff);
}

bool RiffReader::FindChunk(const RiffChunk& parent, uint32_t id, RiffChunk& chunk) {
  return Walk(parent.end, id, false, 0, chunk);
}

bool RiffReader::FindList(const RiffChunk& parent, uint32_t list_type, RiffChunk& list) {
  return Walk(parent.end, FourCC("LIST"), true, list_type, list);
}

void RiffReader::Leave(const RiffChunk& chunk) {
  position_ = chunk.end + (chunk.size & 1);
}

size_t RiffReader::Read(const RiffChunk& chunk, void* out, size_t count) {
  if (position_ < chunk.data || position_ >= chunk.end) return 0;
  count = static_cast<size_t>(std::min<uint64_t>(count, chunk.end - position_));
  if (!ReadAt(position_, out, count)) return 0;
  position_ += count;
  return count;
}
