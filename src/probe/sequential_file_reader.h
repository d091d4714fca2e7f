#pragma once
// A forward-only, buffered reader over a regular file, for readers that walk a stream byte by byte
// from its start. It never reads past the end of the file: once the end (or a read error) is
// reached, every further read fails and nothing more is read.
#include <array>
#include <cstdint>
#include <string>

class SequentialFileReader {
 public:
  // Opens the file for reading; anything but a regular file (a folder, a pipe, a device) is not
  // opened, so that a read can never block or run without end.
  explicit SequentialFileReader(const std::string& path);
  ~SequentialFileReader();
  SequentialFileReader(const SequentialFileReader&) = delete;
  SequentialFileReader& operator=(const SequentialFileReader&) = delete;

  bool is_open() const { return fd_ >= 0; }
  // Stores the next byte and returns true; returns false at the end of the file.
  bool ReadByte(uint8_t* byte);
  // Reads the next two bytes; false (and the reader at its end) when fewer than two remain.
  bool ReadPair(uint8_t* first, uint8_t* second);
  // Offset of the next byte to be read: the number of bytes consumed so far.
  uint64_t position() const { return position_; }
  // Length of the file in bytes when it was opened; 0 when it is not open.
  uint64_t file_length() const { return file_length_; }

 private:
  bool Refill();

  int fd_ = -1;
  uint64_t file_length_ = 0;
  uint64_t position_ = 0;
  std::array<uint8_t, 16384> buffer_{};
  size_t buffered_ = 0;
  size_t next_ = 0;
  bool ended_ = false;
};
