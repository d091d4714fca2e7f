#pragma once
// The undo records of in-place file edits. Before the first byte of a file changes, the bytes the edit
// will overwrite or cut off, the old length and the old times are written to a record and synced; the
// record is removed once the edited file is synced. An edit cut short at any instant (the process
// killed, the power lost) thus leaves a record from which the next start of either program puts the
// file back, byte for byte, as it was.
//
// Records live in $XDG_STATE_HOME/tessaroll/undo (by default ~/.local/state/tessaroll/undo), one per
// file being edited. A process holds a lock on each record while its edit runs, so another process never
// undoes an edit that is still going on.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/file_descriptor.h"

struct SavedBytes {
  uint64_t offset = 0;
  std::string bytes;
};

struct PatchUndo {
  std::string path;  // absolute, as the file system has it
  uint64_t device = 0;
  uint64_t inode = 0;
  uint64_t old_length = 0;
  int64_t accessed_ns = 0;
  int64_t modified_ns = 0;
  std::vector<SavedBytes> saved;  // written back in this order
};

// The record of one edit, held (and locked) while the edit runs.
class PatchJournal {
 public:
  PatchJournal() = default;
  PatchJournal(const PatchJournal&) = delete;
  PatchJournal& operator=(const PatchJournal&) = delete;

  // Writes the record durably. False with errno set when it cannot: the folder cannot be made or
  // written, or another process is editing the same file right now (EBUSY).
  bool Record(const PatchUndo& undo);
  // Removes the record for good: the file is in its final state.
  void Remove();

 private:
  bool Fail();  // removes what was written, keeps errno, returns false

  FileDescriptor fd_;
  std::string record_path_;
};

// Puts the open file back as undo describes: the saved bytes, the length and, with restore_times, the
// access and modification times; then syncs it. False with errno set on failure.
bool ApplyPatchUndo(int fd, const PatchUndo& undo, uint64_t length, bool restore_times);

// Undoes every edit whose record is left over from a process that ended before finishing it. A record
// whose file cannot be reached now (a drive not mounted) is kept for a later start; one whose file was
// replaced since (another inode at the path) is dropped. Returns the number of files put back.
int RecoverInterruptedPatches();

// The folder of the records: from XDG_STATE_HOME when it is an absolute path, else the home folder's
// .local/state; "" when neither is known.
std::string PatchJournalFolder();
