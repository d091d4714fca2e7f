#include "platform/file_replacement.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>

#include "platform/regular_file.h"
#include "platform/replaced_file.h"
#include "platform/write_steps.h"

namespace {

// The mode a replaced file keeps: the old file's, or the usual one for a new file.
mode_t ModeFor(const std::string& path) {
  struct stat st {};
  if (stat(path.c_str(), &st) == 0) return st.st_mode & 07777;
  mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

}  // namespace

FileReplacement::FileReplacement(const std::string& path, bool keep_old) : target_(FollowLinks(path)) {
  Start(keep_old);
}

FileReplacement::~FileReplacement() {
  Discard();
}

void FileReplacement::Start(bool keep_old) {
  if (RefusedAsNotRegular(target_) || RefusedAsReadOnly(target_)) return Fail("open");
  uint64_t old_length = 0;
  const FileDescriptor old_file = keep_old ? OpenRegularFile(target_, &old_length) : FileDescriptor();
  if (keep_old && !old_file.is_open() && errno != ENOENT) return Fail("open");
  mode_ = ModeFor(target_);
  RemoveLeftoverTemporaries(target_);
  temporary_ = TemporaryPattern(target_);
  fd_ = FileDescriptor(mkstemp(temporary_.data()));
  if (!fd_.is_open()) {
    temporary_.clear();
    Fail("create");
  } else if (old_file.is_open()) {
    CopyOldBytes(old_file.get(), static_cast<size_t>(old_length));
  }
}

// The old bytes go out on their own, a chunk at a time, ahead of anything added.
bool FileReplacement::CopyOldBytes(int old_fd, size_t length) {
  std::string chunk;
  for (size_t offset = 0; offset < length; offset += chunk.size()) {
    if (!ReadExactlyAt(old_fd, offset, std::min(kChunkBytes, length - offset), chunk)) {
      Fail("read");
      return false;
    }
    if (!WriteAll(fd_.get(), chunk, 0, false)) {
      Fail("write");
      return false;
    }
  }
  return true;
}

void FileReplacement::Write(std::string_view bytes) {
  if (failed()) return;
  if (held_.size() + bytes.size() > kChunkBytes) Flush();
  if (failed()) return;
  if (bytes.size() >= kChunkBytes) {
    if (!WriteAll(fd_.get(), bytes, 0, false)) Fail("write");
    return;
  }
  if (held_.capacity() < kChunkBytes) held_.reserve(kChunkBytes);
  held_ += bytes;
}

void FileReplacement::Flush() {
  if (!held_.empty() && !WriteAll(fd_.get(), held_, 0, false)) Fail("write");
  held_.clear();
}

WriteResult FileReplacement::Commit() {
  Flush();
  if (!failed() && (fsync(fd_.get()) != 0 || fchmod(fd_.get(), mode_) != 0)) Fail("write");
  if (fd_.Close() != 0) Fail("write");
  if (!failed() && rename(temporary_.c_str(), target_.c_str()) != 0) Fail("rename");
  if (!failed()) temporary_.clear();
  Discard();
  return status_;
}

void FileReplacement::Fail(const char* what) {
  if (!failed()) status_ = Failure(what);
}

void FileReplacement::Discard() {
  fd_.Close();
  if (!temporary_.empty()) unlink(temporary_.c_str());
  temporary_.clear();
  held_ = std::string();
}
