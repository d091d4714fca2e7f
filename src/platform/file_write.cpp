#include "platform/file_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <string>

#include "platform/regular_file.h"

namespace {

struct InjectedFault {
  bool armed = false;
  int countdown = 0;
  size_t bytes_before_failure = 0;
  int error_number = 0;
};
InjectedFault g_fault;

// A single write call, unless the injected fault fires: then a partial write and the fault's errno.
ssize_t LowLevelWrite(int fd, const char* data, size_t size, uint64_t offset, bool positioned) {
  if (g_fault.armed && g_fault.countdown-- == 0) {
    g_fault.armed = false;
    size_t partial = std::min(size, g_fault.bytes_before_failure);
    if (partial > 0) {
      ssize_t n =
          positioned ? pwrite(fd, data, partial, static_cast<off_t>(offset)) : write(fd, data, partial);
      (void)n;
    }
    errno = g_fault.error_number;
    return -1;
  }
  return positioned ? pwrite(fd, data, size, static_cast<off_t>(offset)) : write(fd, data, size);
}

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

// Writes prefix + bytes into a fresh temporary file beside path and renames it over path.
WriteResult WriteThroughTemporary(const std::string& path, std::string_view prefix, std::string_view bytes,
                                  mode_t mode) {
  std::string temporary = path + ".tmp-XXXXXX";
  int fd = mkstemp(temporary.data());
  if (fd < 0) return Failure("create");
  bool written = WriteAll(fd, prefix, 0, false) && WriteAll(fd, bytes, 0, false) && fsync(fd) == 0 &&
                 fchmod(fd, mode) == 0;
  int saved_errno = errno;
  if (close(fd) != 0 && written) {
    written = false;
    saved_errno = errno;
  }
  if (!written) {
    unlink(temporary.c_str());
    return WriteResult{false, saved_errno, "write"};
  }
  if (rename(temporary.c_str(), path.c_str()) != 0) {
    WriteResult result = Failure("rename");
    unlink(temporary.c_str());
    return result;
  }
  return {};
}

// The mode a replaced file keeps: the old file's, or the usual one for a new file.
mode_t ModeFor(const std::string& path) {
  struct stat st {};
  if (stat(path.c_str(), &st) == 0) return st.st_mode & 07777;
  mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

// A file made read-only is refused, even though renaming over it would succeed, and even for root, who
// may write anything: clearing every write bit is how a user protects a file.
bool RefusedAsReadOnly(const std::string& path) {
  struct stat st {};
  if (stat(path.c_str(), &st) != 0) return false;
  if ((st.st_mode & 0222) == 0 || access(path.c_str(), W_OK) != 0) {
    errno = EACCES;
    return true;
  }
  return false;
}

}  // namespace

WriteResult ReplaceFileContents(const std::string& path, std::string_view bytes) {
  if (RefusedAsReadOnly(path)) return Failure("open");
  return WriteThroughTemporary(path, {}, bytes, ModeFor(path));
}

WriteResult AppendFileContents(const std::string& path, std::string_view bytes) {
  if (RefusedAsReadOnly(path)) return Failure("open");
  std::string old;
  int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd >= 0) {
    struct stat st {};
    bool read_ok = fstat(fd, &st) == 0 && ReadExactlyAt(fd, 0, static_cast<size_t>(st.st_size), old);
    int saved_errno = errno;
    close(fd);
    if (!read_ok) return WriteResult{false, saved_errno, "read"};
  } else if (errno != ENOENT) {
    return Failure("open");
  }
  return WriteThroughTemporary(path, old, bytes, ModeFor(path));
}

namespace {

FileVersion VersionOf(const struct stat& st) {
  return FileVersion{static_cast<uint64_t>(st.st_dev), static_cast<uint64_t>(st.st_ino),
                     static_cast<uint64_t>(st.st_size),
                     static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}

bool SameVersion(const FileVersion& a, const FileVersion& b) {
  return a.device == b.device && a.inode == b.inode && a.length == b.length && a.modified_ns == b.modified_ns;
}

}  // namespace

bool FileVersionOf(int fd, FileVersion& version) {
  struct stat st {};
  if (fstat(fd, &st) != 0) return false;
  version = VersionOf(st);
  return true;
}

WriteResult PatchFileInPlace(const std::string& path, const std::vector<FilePatch>& patches,
                             uint64_t new_length, const FileVersion* expected) {
  if (RefusedAsReadOnly(path)) return Failure("open");
  int fd = open(path.c_str(), O_RDWR | O_CLOEXEC);
  if (fd < 0) return Failure("open");
  struct stat st {};
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    WriteResult result = Failure("open");
    close(fd);
    return result;
  }
  if (expected && !SameVersion(VersionOf(st), *expected)) {
    close(fd);
    WriteResult result{false, 0, "open"};
    result.changed_meanwhile = true;
    return result;
  }
  const uint64_t old_length = static_cast<uint64_t>(st.st_size);

  // Keep every byte that will be overwritten or cut off.
  std::vector<FilePatch> saved;
  for (const FilePatch& patch : patches) {
    if (patch.offset >= old_length) continue;
    uint64_t size = std::min<uint64_t>(patch.bytes.size(), old_length - patch.offset);
    FilePatch old{patch.offset, {}};
    if (!ReadExactlyAt(fd, patch.offset, size, old.bytes)) {
      WriteResult result = Failure("read");
      close(fd);
      return result;
    }
    saved.push_back(std::move(old));
  }
  FilePatch old_tail{new_length, {}};
  if (new_length < old_length && !ReadExactlyAt(fd, new_length, old_length - new_length, old_tail.bytes)) {
    WriteResult result = Failure("read");
    close(fd);
    return result;
  }

  bool ok = true;
  for (const FilePatch& patch : patches) {
    if (!(ok = WriteAll(fd, patch.bytes, patch.offset, true))) break;
  }
  if (ok) ok = ftruncate(fd, static_cast<off_t>(new_length)) == 0 && fsync(fd) == 0;
  if (ok) {
    ok = close(fd) == 0;
    return ok ? WriteResult{} : Failure("close");
  }

  WriteResult result = Failure("write");
  for (const FilePatch& old : saved) WriteAll(fd, old.bytes, old.offset, true);
  if (!old_tail.bytes.empty()) WriteAll(fd, old_tail.bytes, old_tail.offset, true);
  if (ftruncate(fd, static_cast<off_t>(old_length)) != 0) result.what = "restore";
  fsync(fd);
  close(fd);
  return result;
}

void InjectWriteFaultForTesting(int nth_write, size_t bytes_before_failure, int error_number) {
  g_fault = InjectedFault{true, nth_write, bytes_before_failure, error_number};
}

void ClearWriteFaultForTesting() {
  g_fault = InjectedFault{};
}
