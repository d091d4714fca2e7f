#include "platform/file_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <string>

#include "platform/file_descriptor.h"
#include "platform/file_replacement.h"
#include "platform/patch_journal.h"
#include "platform/regular_file.h"
#include "platform/write_steps.h"

WriteResult ReplaceFileContents(const std::string& path, std::string_view bytes) {
  FileReplacement replacement(path, false);
  replacement.Write(bytes);
  return replacement.Commit();
}

WriteResult AppendFileContents(const std::string& path, std::string_view bytes) {
  FileReplacement replacement(path, true);
  replacement.Write(bytes);
  return replacement.Commit();
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

using Hook = void (*)();

Hook& BeforeLengthCheck() {
  static Hook hook = nullptr;
  return hook;
}

}  // namespace

WriteResult PatchFileInPlace(const std::string& path, const std::vector<FilePatch>& patches,
                             uint64_t new_length, const FileVersion* expected, bool keep_modified_time) {
  if (RefusedAsReadOnly(path)) return Failure("open");
  const FileDescriptor file(open(path.c_str(), O_RDWR | O_CLOEXEC | O_NONBLOCK));
  if (!file.is_open()) return Failure("open");
  const int fd = file.get();
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
  if (ok && BeforeLengthCheck()) BeforeLengthCheck()();
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
  BeforeLengthCheck() = hook;
}
