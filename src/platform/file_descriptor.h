#pragma once
// The one owner of an open file descriptor: it is closed when the owner goes, on every path out.
#include <unistd.h>

class FileDescriptor {
 public:
  FileDescriptor() = default;
  // Takes over fd (-1: none).
  explicit FileDescriptor(int fd) : fd_(fd) {}
  FileDescriptor(FileDescriptor&& other) noexcept : fd_(other.release()) {}
  FileDescriptor& operator=(FileDescriptor&& other) noexcept {
    if (this != &other) {
      Close();
      fd_ = other.release();
    }
    return *this;
  }
  ~FileDescriptor() { Close(); }

  bool is_open() const { return fd_ >= 0; }
  int get() const { return fd_; }
  // Gives up ownership: the caller closes the descriptor.
  int release() {
    const int fd = fd_;
    fd_ = -1;
    return fd;
  }
  // Closes now; close()'s result (0 when there was nothing to close), for a writer whose last data may
  // only fail to reach the disk there.
  int Close() { return fd_ >= 0 ? ::close(release()) : 0; }

 private:
  int fd_ = -1;
};
