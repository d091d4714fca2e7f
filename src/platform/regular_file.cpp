#include "platform/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

FileDescriptor OpenRegularFile(const std::string& path, uint64_t* length) {
  return OpenRegularFileAt(AT_FDCWD, path, length);
}

FileDescriptor OpenRegularFileAt(int folder_fd, const std::string& path, uint64_t* length) {
  // O_NONBLOCK lets the open of a FIFO return at once; the type check below then refuses it. Reads of a
  // regular file never block, so the flag stays.
  FileDescriptor fd(openat(folder_fd, path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (!fd.is_open()) return fd;
  struct stat status {};
  if (fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode)) {
    int error = S_ISDIR(status.st_mode) ? EISDIR : EINVAL;
    fd.Close();
    errno = error;
    return fd;
  }
  if (length) *length = static_cast<uint64_t>(status.st_size);
  return fd;
}

namespace {

// Repeats a partial read or write until size bytes are through or a step fails: EINTR tries again, no
// progress is EIO. Returns the bytes through.
template <typename Step>
size_t AllBytes(size_t size, Step step) {
  size_t done = 0;
  while (done < size) {
    const ssize_t n = step(done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = EIO;
      break;
    }
    done += static_cast<size_t>(n);
  }
  return done;
}

}  // namespace

size_t ReadUpTo(int fd, uint64_t offset, char* out, size_t count) {
  return AllBytes(count, [&](size_t done) {
    return pread(fd, out + done, count - done, static_cast<off_t>(offset + done));
  });
}

bool ReadExactlyAt(int fd, uint64_t offset, size_t size, std::string& out) {
  out.resize(size);
  return ReadUpTo(fd, offset, out.data(), size) == size;
}

bool WriteExactlyAt(int fd, uint64_t offset, std::string_view bytes) {
  return AllBytes(bytes.size(), [&](size_t done) {
           return pwrite(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(offset + done));
         }) == bytes.size();
}
