#pragma once
// A forward-only, buffered reader over a regular file, for readers that walk a stream byte by byte
// from its start. It never reads past the end of the file: once the end (or a read error) is
// reached, every further read fails and nothing more is read.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "probe/media_file.h"

class SequentialFileReader {
 public:
  // Opens the file for reading; anything but a regular file (a folder, a pipe, a device) is not
  // opened, so that a read can never block or run without end.
  explicit SequentialFileReader(const std::string& path);
  // Reads a file opened by the caller from its start; its head is used as it stands. The file must
  // outlive the reader.
  explicit SequentialFileReader(MediaFile& file);
  SequentialFileReader(const SequentialFileReader&) = delete;
  SequentialFileReader& operator=(const SequentialFileReader&) = delete;

  bool is_open() const { return file_->is_open(); }
  // Stores the next byte and returns true; returns false at the end of the file.
  // Inline: the MPEG-1 reader takes every byte up to its headers through here.
  bool ReadByte(uint8_t* byte) {
    if (next_ == buffered_.size() && !Refill()) return false;
    *byte = static_cast<uint8_t>(buffered_[next_++]);
    ++position_;
    return true;
  }
  // Reads the next two bytes; false (and the reader at its end) when fewer than two remain.
  bool ReadPair(uint8_t* first, uint8_t* second) { return ReadByte(first) && ReadByte(second); }

  // ReadByte until stop(byte) holds, and true just after that byte; false at the end. The header
  // searches go through every byte up to what they seek, so the buffer is checked once a buffer, not
  // once a byte.
  template <typename Stop>
  bool ReadBytesUntil(Stop stop) {
    for (;;) {
      const size_t start = next_;
      while (next_ < buffered_.size()) {
        if (stop(static_cast<uint8_t>(buffered_[next_++]))) {
          position_ += next_ - start;
          return true;
        }
      }
      position_ += next_ - start;
      uint8_t byte;
      if (!ReadByte(&byte)) return false;
      if (stop(byte)) return true;
    }
  }
  // ReadPair until stop(first, second) holds, and true just after that pair; false at the end.
  template <typename Stop>
  bool ReadPairsUntil(Stop stop) {
    for (;;) {
      const size_t start = next_;
      while (next_ + 2 <= buffered_.size()) {
        const auto first = static_cast<uint8_t>(buffered_[next_]);
        const auto second = static_cast<uint8_t>(buffered_[next_ + 1]);
        next_ += 2;
        if (stop(first, second)) {
          position_ += next_ - start;
          return true;
        }
      }
      position_ += next_ - start;
      // A pair across the end of the buffer, or the end of the file.
      uint8_t first, second;
      if (!ReadPair(&first, &second)) return false;
      if (stop(first, second)) return true;
    }
  }
  // Offset of the next byte to be read: the number of bytes consumed so far.
  uint64_t position() const { return position_; }
  // Length of the file in bytes when it was opened; 0 when it is not open.
  uint64_t file_length() const { return file_->size(); }

 private:
  bool Refill();

  std::optional<MediaFile> owned_;
  MediaFile* file_;
  uint64_t position_ = 0;
  std::array<char, 16384> buffer_;  // filled by each read before use: no need to clear it for every file
  std::string_view buffered_;
  size_t next_ = 0;
  bool ended_ = false;
};
