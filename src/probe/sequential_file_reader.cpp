#include "probe/sequential_file_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>

SequentialFileReader::SequentialFileReader(const std::string& path) {
  // O_NONBLOCK keeps the open itself from waiting on a pipe; such files are refused just below.
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return;
  struct stat status {};
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    ::close(fd);
    return;
  }
  fd_ = fd;
  file_length_ = static_cast<uint64_t>(status.st_size);
}

SequentialFileReader::~SequentialFileReader() {
  if (fd_ >= 0) ::close(fd_);
}

bool SequentialFileReader::Refill() {
  if (ended_ || fd_ < 0) return false;
  ssize_t count;
  do {
    count = ::read(fd_, buffer_.data(), buffer_.size());
  } while (count < 0 && errno == EINTR);
  if (count <= 0) {
    ended_ = true;
    return false;
  }
  buffered_ = static_cast<size_t>(count);
  next_ = 0;
  return true;
}

bool SequentialFileReader::ReadByte(uint8_t* byte) {
  if (next_ == buffered_ && !Refill()) return false;
  *byte = buffer_[next_++];
  ++position_;
  return true;
}

bool SequentialFileReader::ReadPair(uint8_t* first, uint8_t* second) {
  return ReadByte(first) && ReadByte(second);
}
