#include "probe/media_file.h"

#include <algorithm>
#include <cstring>

#include "platform/regular_file.h"

MediaFile::MediaFile(const std::string& path) : fd_(OpenRegularFile(path, &size_)) {}

MediaFile::MediaFile(int folder_fd, const std::string& name)
    : fd_(OpenRegularFileAt(folder_fd, name, &size_)) {}

size_t MediaFile::ReadFromFile(uint64_t offset, char* out, size_t count) {
  const size_t done = ReadUpTo(fd_.get(), offset, out, count);
  bytes_read_ += done;
  return done;
}

std::string_view MediaFile::Head() {
  if (!fd_.is_open()) return {};
  if (!head_loaded_) {
    head_loaded_ = true;
    head_size_ = ReadFromFile(0, head_, static_cast<size_t>(std::min<uint64_t>(size_, kHeadCapacity)));
  }
  return std::string_view(head_, head_size_);
}

std::string_view MediaFile::View(uint64_t offset, size_t count, char* buffer) {
  if (!fd_.is_open() || offset >= size_) return {};
  count = static_cast<size_t>(std::min<uint64_t>(count, size_ - offset));
  // A read that starts inside the head's reach loads the head rather than reading a few bytes of it, and
  // reads from the file only what lies beyond it.
  size_t from_head = 0;
  if (offset < kHeadCapacity) {
    const std::string_view head = Head();
    if (offset + count <= head.size()) return head.substr(static_cast<size_t>(offset), count);
    if (offset < head.size() && head.size() == kHeadCapacity) {
      from_head = head.size() - static_cast<size_t>(offset);
      std::memcpy(buffer, head.data() + offset, from_head);
    }
  }
  return std::string_view(
      buffer, from_head + ReadFromFile(offset + from_head, buffer + from_head, count - from_head));
}

bool MediaFile::ReadAt(uint64_t offset, void* out, size_t count) {
  if (!fd_.is_open() || offset > size_ || count > size_ - offset) return false;
  const std::string_view bytes = View(offset, count, static_cast<char*>(out));
  if (bytes.size() != count) return false;
  if (bytes.data() != out) std::memcpy(out, bytes.data(), count);
  return true;
}
