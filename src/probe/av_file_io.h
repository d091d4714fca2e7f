#pragma once
// libavformat's reads of a media file, done through the file the caller opened (probe/media_file.h): the
// libraries never open a path themselves, so a FIFO or a device is never touched, and a budget of bytes
// keeps a hostile file from making them read without end.
#include <cstdint>

#include "probe/media_file.h"

struct AVIOContext;

class AvFileIo {
 public:
  // Reads past budget bytes in all end as the file's end would.
  AvFileIo(MediaFile& file, uint64_t budget);
  ~AvFileIo();
  AvFileIo(const AvFileIo&) = delete;
  AvFileIo& operator=(const AvFileIo&) = delete;

  // The context to hand to libavformat; nullptr when it could not be made (no memory).
  AVIOContext* context() const { return context_; }

 private:
  static int Read(void* opaque, uint8_t* out, int size);
  static int64_t Seek(void* opaque, int64_t offset, int whence);

  MediaFile& file_;
  uint64_t position_ = 0;
  uint64_t budget_left_;
  AVIOContext* context_ = nullptr;
};
