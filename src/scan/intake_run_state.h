#pragma once
// What the threads of an intake run share (scan/intake_run.cpp): the slots of the rows, from the walk
// through the readers to the committer, and the lock and signals that pass them on.
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <limits>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "scan/held_folder.h"
#include "scan/intake_run.h"
#include "scan/list_entry_builder.h"

namespace intake_run {

// Rows read ahead of the next commit, at most: enough to keep every reader busy while the committer
// lags, few enough that a slow committer never holds a whole tree of read rows.
constexpr size_t kMaxReadAhead = 1024;

// Files a reader takes at a time: one lock round per handful of files rather than per file.
constexpr size_t kFilesPerClaim = 8;

// Claims that waited for a disk before every reader is put to work: a file or two that the system
// dropped from memory do not make a tree a disk-bound one.
constexpr int kClaimsFromDiskToWiden = 4;

// Folders held open at once so that their files are opened by name, at most: a tree of one file a folder
// must not use up the descriptors the readers need.
constexpr int kMostOpenFolders = 64;

// Rows that wait before the committer is woken, unless the readers have nothing more to read: each
// wake-up costs two thread switches, too many to pay for every few rows.
constexpr size_t kRowsPerWake = 64;

}  // namespace intake_run

struct IntakeRun::Slot {
  size_t step = 0;
  std::string path;
  std::shared_ptr<HeldFolder> folder;  // held open for its files until they are read; may be none
  int32_t key_offset = 0;              // folder rows: counted from the rows before the folder's turn
  int progress_offset = 0;
  bool key_known = false;  // a folder's walk gives each row's key after the row
  bool ready = false;
  // Apart from the slot: the walk lists a whole tree ahead of the readers, and slots that each held a
  // row's cells would take megabytes before the first is read.
  std::unique_ptr<ListEntry> entry;
};

struct IntakeRun::Shared {
  // Before the slots, which hold the folders it counts.
  std::atomic<int> open_folders = 0;
  std::vector<IntakeStep> steps;
  int reader_threads = 1;
  int memory_readers = 1;  // readers at work until one finds its files are read from a disk
  int most_open_folders = 0;
  ListEntryPlan plan = CurrentListEntryPlan();

  std::mutex mutex;
  std::condition_variable work;   // readers wait for a slot to read, or for room to read ahead
  std::condition_variable ready;  // a waiting committer waits for the next row
  std::condition_variable wide;   // readers beyond those at work wait for the disk or the end
  std::deque<Slot> slots;         // from the next row to commit on; committed slots are dropped
  size_t first_slot = 0;          // the run-wide number of slots.front()
  size_t next_to_read = 0;        // run-wide slot numbers
  size_t ready_end = 0;           // the slots from first_slot up to this one can be committed
  bool planned = false;           // every step's slots are in
  int claims_from_disk = 0;       // claims whose reads waited for a disk
  bool disk_bound = false;        // enough of them that every reader is at work
  std::atomic<bool> stopped = false;
  std::atomic<bool> ready_pending = false;
  std::function<void()> on_ready;

  // Committer state, touched only by the owning thread.
  size_t committing_step = std::numeric_limits<size_t>::max();
  int step_rows_before = 0;
  int committed = 0;

  std::vector<std::thread> threads;

  size_t end_slot() const { return first_slot + slots.size(); }
  bool Committable(const Slot& slot) const { return slot.ready && slot.key_known; }
  bool NextReady() const { return ready_end > first_slot; }
  bool Over() const { return stopped || (planned && slots.empty()); }
  bool AllClaimed() const { return planned && next_to_read == end_slot(); }
  void Notify() {
    if (on_ready && !ready_pending.exchange(true)) on_ready();
  }
  // After slots became committable: wakes the committer once enough rows wait, or when the readers have
  // run out of rows to read (the walk lags, the read-ahead is full, or the run is at its end).
  void WakeCommitterIfDue() {
    while (ready_end < end_slot() && Committable(slots[ready_end - first_slot])) ++ready_end;
    if (!NextReady()) return;
    const bool batch = ready_end - first_slot >= intake_run::kRowsPerWake;
    const bool readers_out_of_rows =
        next_to_read == end_slot() || next_to_read >= first_slot + intake_run::kMaxReadAhead;
    if (!batch && !readers_out_of_rows) return;
    ready.notify_one();
    Notify();
  }
  // Wakes as many waiting readers as there are new claims to read: waking them all for every folder
  // would only have most of them find nothing left and wait again.
  void WakeReaders(size_t new_slots) {
    const size_t claims = (new_slots + intake_run::kFilesPerClaim - 1) / intake_run::kFilesPerClaim;
    for (size_t i = 0; i < std::min<size_t>(claims, reader_threads); ++i) work.notify_one();
  }
};
