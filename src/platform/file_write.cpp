#include "platform/file_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <string>

#include "platform/patch_journal.h"
#include "platform/regular_file.h"
#include "platform/replaced_file.h"

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
  RemoveLeftoverTemporaries(path);
  std::string temporary = TemporaryPattern(path);
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

// A FIFO, device or folder at the path is never replaced by a file, nor read (which could wait for ever).
bool RefusedAsNotRegular(const std::string& path) {
  struct stat st {};
  if (stat(path.c_str(), &st) != 0 || S_ISREG(st.st_mode)) return false;
  errno = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
  return true;
}

}  // namespace

WriteResult ReplaceFileContents(const std::string& path, std::string_view bytes) {
  const std::string target = FollowLinks(path);
  if (RefusedAsNotRegular(target) || RefusedAsReadOnly(target)) return Failure("open");
  return WriteThroughTemporary(target, {}, bytes, ModeFor(target));
}

WriteResult AppendFileContents(const std::string& path, std::string_view bytes) {
  const std::string target = FollowLinks(path);
  if (RefusedAsNotRegular(target) || RefusedAsReadOnly(target)) return Failure("open");
  std::string old;
  uint64_t length = 0;
  const int fd = OpenRegularFile(target, &length);
  if (fd >= 0) {
    const bool read_ok = ReadExactlyAt(fd, 0, static_cast<size_t>(length), old);
    const int saved_errno = errno;
    close(fd);
    if (!read_ok) return WriteResult{false, saved_errno, "read"};
  } else if (errno != ENOENT) {
    return Failure("open");
  }
  return WriteThroughTemporary(target, old, bytes, ModeFor(target));
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

namespace {

int64_t AccessedNs(const struct stat& st) {
  return static_cast<int64_t>(st.st_atim.tv_sec) * 1000000000 + st.st_atim.tv_nsec;
}

WriteResult ChangedMeanwhile() {
  WriteResult result{false, 0, "open"};
  result.changed_meanwhile = true;
  return result;
}

// The undo record of an edit: every byte the patches overwrite and every byte beyond new_length.
bool SaveOverwrittenBytes(int fd, const std::string& path, const struct stat& st,
                          const std::vector<FilePatch>& patches, uint64_t new_length, PatchUndo& undo) {
  char* absolute = realpath(path.c_str(), nullptr);
  if (absolute == nullptr) return false;
  undo.path = absolute;
  std::free(absolute);
  const FileVersion version = VersionOf(st);
  undo.device = version.device;
  undo.inode = version.inode;
  undo.old_length = version.length;
  undo.accessed_ns = AccessedNs(st);
  undo.modified_ns = version.modified_ns;
  for (const FilePatch& patch : patches) {
    if (patch.offset >= undo.old_length) continue;
    SavedBytes old{patch.offset, {}};
    const uint64_t size = std::min<uint64_t>(patch.bytes.size(), undo.old_length - patch.offset);
    if (!ReadExactlyAt(fd, patch.offset, size, old.bytes)) return false;
    undo.saved.push_back(std::move(old));
  }
  if (new_length < undo.old_length) {
    SavedBytes cut{new_length, {}};
    if (!ReadExactlyAt(fd, new_length, undo.old_length - new_length, cut.bytes)) return false;
    undo.saved.push_back(std::move(cut));
  }
  return true;
}

void (*g_before_length_check)() = nullptr;

}  // namespace

WriteResult PatchFileInPlace(const std::string& path, const std::vector<FilePatch>& patches,
                             uint64_t new_length, const FileVersion* expected, bool keep_modified_time) {
  if (RefusedAsReadOnly(path)) return Failure("open");
  const int fd = open(path.c_str(), O_RDWR | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return Failure("open");
  struct FdCloser {
    int fd;
    ~FdCloser() { close(fd); }
  } closer{fd};
  struct stat st {};
  if (fstat(fd, &st) != 0) return Failure("open");
  if (!S_ISREG(st.st_mode)) {
    errno = EINVAL;
    return Failure("open");
  }
  if (expected && !SameVersion(VersionOf(st), *expected)) return ChangedMeanwhile();

  PatchUndo undo;
  if (!SaveOverwrittenBytes(fd, path, st, patches, new_length, undo)) return Failure("read");
  PatchJournal journal;
  if (!journal.Record(undo)) return Failure("journal");
  // Recording takes a moment; the file must still be the one whose bytes were saved.
  struct stat now {};
  if (fstat(fd, &now) != 0 || !SameVersion(VersionOf(now), VersionOf(st))) {
    journal.Remove();
    return ChangedMeanwhile();
  }

  uint64_t written_end = undo.old_length;
  bool ok = true;
  for (const FilePatch& patch : patches) {
    if (!(ok = WriteAll(fd, patch.bytes, patch.offset, true))) break;
    written_end = std::max<uint64_t>(written_end, patch.offset + patch.bytes.size());
  }
  WriteResult result = ok ? WriteResult{} : Failure("write");
  if (ok && g_before_length_check) g_before_length_check();
  // Another program may have written to the file meanwhile (appended to it, say): what it added is not
  // ours to cut off.
  if (ok && (fstat(fd, &now) != 0 || static_cast<uint64_t>(now.st_size) != written_end ||
             now.st_ino != st.st_ino || now.st_dev != st.st_dev)) {
    ok = false;
    result = ChangedMeanwhile();
  }
  if (ok && (ftruncate(fd, static_cast<off_t>(new_length)) != 0 || fsync(fd) != 0)) {
    ok = false;
    result = Failure("write");
  }
  if (ok && keep_modified_time) {
    const timespec times[2] = {{0, UTIME_OMIT}, st.st_mtim};
    if (futimens(fd, times) != 0 || fsync(fd) != 0) {
      ok = false;
      result = Failure("write");
    }
  }
  if (ok) {
    journal.Remove();
    return result;
  }

  if (result.changed_meanwhile) {
    // Put back what was overwritten, keep what the other program added and its modification time.
    const uint64_t now_length = static_cast<uint64_t>(now.st_size);
    if (ApplyPatchUndo(fd, undo, now_length > written_end ? now_length : undo.old_length, false)) {
      journal.Remove();
    }
  } else if (ApplyPatchUndo(fd, undo, undo.old_length, true)) {
    journal.Remove();
  } else {
    // The record stays, and the next start puts the file back.
    result.what = "restore";
  }
  return result;
}

void IgnoreFileSizeLimitSignal() {
  signal(SIGXFSZ, SIG_IGN);
}

void SetBeforeLengthCheckHookForTesting(void (*hook)()) {
  g_before_length_check = hook;
}

void InjectWriteFaultForTesting(int nth_write, size_t bytes_before_failure, int error_number) {
  g_fault = InjectedFault{true, nth_write, bytes_before_failure, error_number};
}

void ClearWriteFaultForTesting() {
  g_fault = InjectedFault{};
}
