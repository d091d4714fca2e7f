#pragma once
// A file's new content written as it is produced, into a temporary file beside it that only a finished
// write renames over the file: memory stays small whatever the size, and a failure part-way leaves the
// file as it was.
#include <sys/types.h>

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/file_descriptor.h"
#include "platform/file_write.h"

class FileReplacement {
 public:
  // Bytes are held until this many are waiting, then written in one call.
  static constexpr size_t kChunkBytes = 256 * 1024;

  // Starts replacing the file at path, as ReplaceFileContents does (links followed, anything but a
  // regular file or a read-only file refused, leftovers of killed writes removed). With keep_old the new
  // content starts with the file's old bytes (none when it is missing).
  FileReplacement(const std::string& path, bool keep_old);
  FileReplacement(const FileReplacement&) = delete;
  FileReplacement& operator=(const FileReplacement&) = delete;
  // The temporary file goes unless Commit renamed it.
  ~FileReplacement();

  // Adds bytes to the new content; ignored once a step has failed.
  void Write(std::string_view bytes);
  bool failed() const { return !status_.ok; }
  // Writes what is held, syncs the temporary file and renames it over the target. The first failure of
  // the whole write otherwise, with the target untouched and the temporary file gone.
  WriteResult Commit();

 private:
  void Start(bool keep_old);
  bool CopyOldBytes(int old_fd, size_t length);
  void Flush();
  void Fail(const char* what);
  void Discard();

  std::string target_;
  std::string temporary_;
  FileDescriptor fd_;
  mode_t mode_ = 0;
  std::string held_;
  WriteResult status_;
};
