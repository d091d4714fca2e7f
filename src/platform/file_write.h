#pragma once
// All-or-nothing file writes. Every byte the program writes into a user's file goes through here, so a
// failure part-way (full disk, removed permission, vanished file) never leaves a file half written, and
// tests can inject such failures.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct [[nodiscard]] WriteResult {
  bool ok = true;
  int error_number = 0;            // errno of the failing call
  std::string what;                // the failing step, e.g. "create", "write", "rename"
  bool changed_meanwhile = false;  // the file was not the version the caller had read; it was not touched
};

// One state of a file: a file replaced by another, or written to, since gives other values.
struct FileVersion {
  uint64_t device = 0;
  uint64_t inode = 0;
  uint64_t length = 0;
  int64_t modified_ns = 0;
};
// The version of an open file; false with errno set when it cannot be told.
bool FileVersionOf(int fd, FileVersion& version);

// Replaces the file's content with bytes: a temporary file beside it is written, flushed and renamed over
// the target. On failure the target is as it was and the temporary file is gone. A symbolic link is
// followed: its target is replaced and the link stays. Anything but a regular file (a FIFO, a device, a
// folder) is refused. Temporary files that an earlier write killed part-way left behind are removed.
WriteResult ReplaceFileContents(const std::string& path, std::string_view bytes);

// Appends bytes to the file (creating it when missing), all or nothing: on failure the file keeps its
// old bytes and length. Links, other kinds of file and leftovers as for ReplaceFileContents.
WriteResult AppendFileContents(const std::string& path, std::string_view bytes);

struct FilePatch {
  uint64_t offset;
  std::string bytes;
};

// Edits an existing file in place: writes each patch at its offset and sets the file length to
// new_length, all or nothing even when the process is killed or the power fails part-way: the bytes each
// patch overwrites and any bytes beyond new_length are first saved in a synced undo record (see
// patch_journal.h). When a step fails they are written back with the old length and times, so the file is
// byte for byte as it was and keeps its modification time. Patches must lie within new_length. With
// expected given, a file that is no longer that version (replaced or changed since the caller read it) is
// left alone; a file another program writes to while it is edited is put back and keeps what the other
// program added; both give changed_meanwhile. With keep_modified_time a finished edit keeps the old
// modification time too. "journal" as the failing step: the undo record could not be written (EBUSY: an
// edit of the same file is under way, or was cut short and not yet undone); the file was not touched.
WriteResult PatchFileInPlace(const std::string& path, const std::vector<FilePatch>& patches,
                             uint64_t new_length, const FileVersion* expected = nullptr,
                             bool keep_modified_time = false);

// Makes a file-size limit (setrlimit RLIMIT_FSIZE) an ordinary write error, EFBIG, instead of a signal
// that ends the program in the middle of a write. Both programs call it at start.
void IgnoreFileSizeLimitSignal();

// Tests: a function run after an in-place edit has written its patches and before it checks the file's
// length and sets it (nullptr: none).
void SetBeforeLengthCheckHookForTesting(void (*hook)());

// Tests: make the n-th following low-level write (0 = the next one) fail after writing at most
// bytes_before_failure bytes, with error_number as errno. The fault fires once.
void InjectWriteFaultForTesting(int nth_write, size_t bytes_before_failure, int error_number);
void ClearWriteFaultForTesting();
