#include "platform/write_steps.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace {

struct InjectedFault {
  bool armed = false;
  int countdown = 0;
  size_t bytes_before_failure = 0;
  int error_number = 0;
};
InjectedFault& Fault() {
  static InjectedFault fault;
  return fault;
}

// A single write call, unless the injected fault fires: then a partial write and the fault's errno.
ssize_t LowLevelWrite(int fd, const char* data, size_t size, uint64_t offset, bool positioned) {
  InjectedFault& fault = Fault();
  if (fault.armed && fault.countdown-- == 0) {
    fault.armed = false;
    size_t partial = std::min(size, fault.bytes_before_failure);
    if (partial > 0) {
      ssize_t n =
          positioned ? pwrite(fd, data, partial, static_cast<off_t>(offset)) : write(fd, data, partial);
      (void)n;
    }
    errno = fault.error_number;
    return -1;
  }
  return positioned ? pwrite(fd, data, size, static_cast<off_t>(offset)) : write(fd, data, size);
}

}  // namespace

bool WriteAll(int fd, std::string_view bytes, uint64_t offset, bool positioned) {
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = LowLevelWrite(fd, bytes.data() + done, bytes.size() - done, offset + done, positioned);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (n == 0) {
      errno = EIO;
      return false;
    }
    done += static_cast<size_t>(n);
  }
  return true;
}

WriteResult Failure(const char* what) {
  return WriteResult{false, errno, what};
}

bool RefusedAsReadOnly(const std::string& path) {
  struct stat st {};
  if (stat(path.c_str(), &st) != 0) return false;
  if ((st.st_mode & 0222) == 0 || access(path.c_str(), W_OK) != 0) {
    errno = EACCES;
    return true;
  }
  return false;
}

bool RefusedAsNotRegular(const std::string& path) {
  struct stat st {};
  if (stat(path.c_str(), &st) != 0 || S_ISREG(st.st_mode)) return false;
  errno = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
  return true;
}

void InjectWriteFaultForTesting(int nth_write, size_t bytes_before_failure, int error_number) {
  Fault() = InjectedFault{true, nth_write, bytes_before_failure, error_number};
}

void ClearWriteFaultForTesting() {
  Fault() = InjectedFault{};
}
