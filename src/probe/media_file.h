#pragma once
// One media file opened for reading once and shared by the sniff, the readers and the list entry
// builder. Its first bytes (the head) are read in one call the first time any of them is wanted and then
// served from memory, so the headers of a common file cost one read however many small fields the
// readers take from them; bytes further on are read where they lie.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/file_descriptor.h"

class MediaFile {
 public:
  // The most bytes the head holds: enough for the sniff, the AVI header list of a common file, a WAVE
  // format chunk and the first packs of an MPEG-1 stream.
  static constexpr size_t kHeadCapacity = 8192;

  // Opens the file without waiting (a FIFO cannot block) and keeps it open only when it is a regular
  // file: a folder, a pipe or a device is not opened, so no read can block or run without end.
  explicit MediaFile(const std::string& path);
  // The same for the name in the folder open as folder_fd.
  MediaFile(int folder_fd, const std::string& name);
  MediaFile(const MediaFile&) = delete;
  MediaFile& operator=(const MediaFile&) = delete;

  bool is_open() const { return fd_.is_open(); }
  // The file's length when it was opened; 0 when it is not open.
  uint64_t size() const { return size_; }
  // The first min(size, kHeadCapacity) bytes, fewer only when a read failed; empty when not open.
  std::string_view Head();
  // Copies exactly count bytes from offset; false, with out undefined, when they do not all lie inside
  // the file's length or cannot be read.
  bool ReadAt(uint64_t offset, void* out, size_t count);
  // Up to count bytes from offset without copying them: a view into the head or into buffer (which must
  // hold count bytes). Empty at or past the end, or when the read fails.
  std::string_view View(uint64_t offset, size_t count, char* buffer);
  // Bytes read from the file so far, head included: what a reader costs in I/O.
  uint64_t bytes_read() const { return bytes_read_; }

 private:
  size_t ReadFromFile(uint64_t offset, char* out, size_t count);

  uint64_t size_ = 0;  // before fd_, which the constructor opens with it
  FileDescriptor fd_;
  uint64_t bytes_read_ = 0;
  bool head_loaded_ = false;
  size_t head_size_ = 0;
  char head_[kHeadCapacity];
};
