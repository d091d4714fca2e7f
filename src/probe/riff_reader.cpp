#include "probe/riff_reader.h"

#include <algorithm>

#include "probe/little_endian.h"

namespace {

constexpr uint64_t kHeaderSize = 8;
constexpr uint64_t kTypeSize = 4;
// A walk reads one header per chunk; a file of millions of empty chunks must not make a search crawl.
constexpr int kMaxChunksPerWalk = 100000;

}  // namespace

RiffReader::RiffReader(const std::string& path) : owned_(std::in_place, path), file_(&*owned_) {}

RiffReader::RiffReader(MediaFile& file) : file_(&file) {}

bool RiffReader::ReadAt(uint64_t offset, void* out, size_t count) {
  if (!file_->ReadAt(offset, out, count)) return false;
  bytes_read_ += count;
  return true;
}

bool RiffReader::ReadHeader(uint64_t offset, uint64_t limit, RiffChunk& chunk) {
  unsigned char header[kHeaderSize];
  if (offset > limit || limit - offset < kHeaderSize || !ReadAt(offset, header, kHeaderSize)) return false;
  chunk = RiffChunk{};
  chunk.id = Le32(header);
  chunk.size = Le32(header + 4);
  chunk.data = offset + kHeaderSize;
  chunk.end = chunk.data + chunk.size;
  return true;
}

bool RiffReader::MatchType(RiffChunk& chunk, uint32_t type) {
  unsigned char bytes[kTypeSize];
  // A list too small to hold its type matches no type.
  if (chunk.size < kTypeSize || !ReadAt(chunk.data, bytes, kTypeSize) || Le32(bytes) != type) return false;
  chunk.type = type;
  chunk.data += kTypeSize;
  return true;
}

bool RiffReader::Walk(uint64_t limit, uint32_t id, bool typed, uint32_t type, RiffChunk& found) {
  // A chunk is found by its header and its size taken as stored, even when it runs past the end of the
  // file (a cut download still has its header lists); only the skip to the next header stops there.
  limit = std::min(limit, file_->size());
  uint64_t offset = position_;
  RiffChunk chunk;
  for (int chunks = 0; chunks < kMaxChunksPerWalk && ReadHeader(offset, limit, chunk); ++chunks) {
    if (chunk.id == id && (!typed || MatchType(chunk, type))) {
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
  return Walk(file_->size(), FourCC("RIFF"), true, form_type, riff);
}

bool RiffReader::FindNextRiff(const RiffChunk& riff, uint32_t form_type, RiffChunk& next) {
  RiffChunk chunk;
  if (!ReadHeader(riff.end + (riff.size & 1), file_->size(), chunk) || chunk.id != FourCC("RIFF") ||
      !MatchType(chunk, form_type)) {
    return false;
  }
  next = chunk;
  position_ = chunk.data;
  return true;
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
  const uint64_t end = std::min(chunk.end, file_->size());
  if (position_ < chunk.data || position_ >= end) return 0;
  count = static_cast<size_t>(std::min<uint64_t>(count, end - position_));
  if (!ReadAt(position_, out, count)) return 0;
  position_ += count;
  return count;
}
