#include "scan/intake_run.h"

#include <algorithm>
#include <atomic>
#include <thread>
#include <utility>

#include "list/list_model.h"
#include "list/text_utils.h"
#include "platform/reader_threads.h"
#include "platform/volume_label.h"
#include "scan/folder_scan.h"
#include "scan/intake_run_state.h"
#include "scan/list_entry_builder.h"

namespace {

using intake_run::kClaimsFromDiskToWiden;
using intake_run::kFilesPerClaim;
using intake_run::kMaxReadAhead;
using intake_run::kMostOpenFolders;

// The files of a step in row order, keys in place: a folder's listable files, or the one file.
std::vector<ScannedFile> StepFiles(const IntakeStep& step, const ListEntryPlan& plan,
                                   const std::atomic<bool>& stop) {
  if (step.kind == IntakeStep::Kind::kFolder) return ListFolderScan(step.path, plan.settings, stop);
  return {{step.path, 0, 0}};
}

}  // namespace

IntakeRun::IntakeRun(std::vector<IntakeStep> steps, int reader_threads)
    : shared_(std::make_unique<Shared>()) {
  shared_->steps = std::move(steps);
  shared_->reader_threads = std::max(reader_threads, 1);
  // Files in memory keep only the processors busy, and more readers than processors would only take
  // turns; files on a disk need many reads in flight at once.
  const int processors = static_cast<int>(std::max(std::thread::hardware_concurrency(), 1U));
  shared_->memory_readers = std::min(shared_->reader_threads, processors + 1);
  // Half of what the readers, the walk and the rest of the program leave of the descriptors allowed.
  shared_->most_open_folders =
      std::clamp((DescriptorLimit() - shared_->reader_threads - 32) / 2, 0, kMostOpenFolders);
}

IntakeRun::~IntakeRun() {
  Stop();
  for (std::thread& thread : shared_->threads) thread.join();
}

void IntakeRun::Start(std::function<void()> ready) {
  if (!shared_->threads.empty()) return;
  shared_->on_ready = std::move(ready);
  shared_->threads.emplace_back([this] { Plan(); });
  for (int i = 0; i < shared_->reader_threads; ++i) {
    shared_->threads.emplace_back([this, i] {
      LowerThisThreadPriority();
      Read(i);
    });
  }
}

// Takes a folder's rows into the slots as the walk lists them, so that the readers start on the first
// folder while the rest of the tree is still being walked.
class IntakeRun::WalkSink : public FolderScanSink {
 public:
  WalkSink(Shared& shared, size_t step) : shared_(shared), step_(step) {
    const std::lock_guard lock(shared_.mutex);
    first_slot_ = shared_.end_slot();
  }
  void FilesListed(std::vector<ScannedFile> files) override {
    const std::string folder_path = PathFolder(files.front().path);
    const auto folder = std::make_shared<HeldFolder>(folder_path.empty() ? "/" : folder_path,
                                                     shared_.open_folders, shared_.most_open_folders);
    {
      const std::lock_guard lock(shared_.mutex);
      for (ScannedFile& file : files) {
        shared_.slots.push_back(
            {step_, std::move(file.path), folder, 0, file.progress_offset, false, false, {}});
      }
    }
    shared_.WakeReaders(files.size());
  }
  void KeysMet(const std::vector<std::pair<size_t, int32_t>>& keys) override {
    const std::lock_guard lock(shared_.mutex);
    // A row is not committed before its key is known, so every row here is still in the slots.
    for (const auto& [row, key] : keys) {
      Slot& slot = shared_.slots[first_slot_ + row - shared_.first_slot];
      slot.key_offset = key;
      slot.key_known = true;
    }
    shared_.WakeCommitterIfDue();
  }

 private:
  Shared& shared_;
  size_t step_;
  size_t first_slot_ = 0;  // the run-wide number of the step's first row
};

void IntakeRun::Plan() {
  Shared& shared = *shared_;
  for (size_t step = 0; step < shared.steps.size() && !shared.stopped; ++step) {
    const IntakeStep& intake_step = shared.steps[step];
    if (intake_step.kind == IntakeStep::Kind::kFolder) {
      WalkSink sink(shared, step);
      WalkFolderScan(intake_step.path, shared.plan.settings, shared.stopped, sink);
      continue;
    }
    {
      const std::lock_guard lock(shared.mutex);
      shared.slots.push_back({step, intake_step.path, nullptr, 0, 0, true, false, {}});
    }
    shared.work.notify_all();
  }
  bool over;
  {
    const std::lock_guard lock(shared.mutex);
    shared.planned = true;
    over = shared.Over();
  }
  shared.work.notify_all();
  shared.wide.notify_all();
  shared.ready.notify_all();
  if (over) shared.Notify();
}

void IntakeRun::Read(int reader) {
  Shared& shared = *shared_;
  uint64_t disk_blocks = ThreadDiskReadBlocks();
  std::unique_lock lock(shared.mutex);
  // The path (the slot keeps it until the file is read) and the folder descriptor of each file claimed.
  std::vector<std::pair<const std::string*, int>> claimed;
  std::vector<std::unique_ptr<ListEntry>> entries;
  if (reader >= shared.memory_readers) {
    shared.wide.wait(lock, [&] { return shared.stopped || shared.disk_bound || shared.AllClaimed(); });
  }
  for (;;) {
    shared.work.wait(lock, [&] {
      const bool can_read =
          shared.next_to_read < shared.end_slot() && shared.next_to_read < shared.first_slot + kMaxReadAhead;
      return shared.stopped || can_read || shared.AllClaimed();
    });
    if (shared.stopped || shared.next_to_read == shared.end_slot()) return;
    const size_t first = shared.next_to_read;
    const size_t count =
        std::min({kFilesPerClaim, shared.end_slot() - first, shared.first_slot + kMaxReadAhead - first});
    shared.next_to_read += count;
    claimed.clear();
    for (size_t i = 0; i < count; ++i) {
      Slot& slot = shared.slots[first + i - shared.first_slot];
      // The slot keeps its folder open until the file is read.
      claimed.push_back({&slot.path, slot.folder ? slot.folder->Descriptor() : -1});
    }
    lock.unlock();
    entries.clear();
    for (const auto& [path, folder_fd] : claimed)
      entries.push_back(std::make_unique<ListEntry>(ReadListEntry(*path, shared.plan, folder_fd)));
    const uint64_t blocks_now = ThreadDiskReadBlocks();
    const bool waited_for_disk = blocks_now != disk_blocks;
    disk_blocks = blocks_now;
    lock.lock();
    if (shared.stopped) return;
    for (size_t i = 0; i < count; ++i) {
      Slot& slot = shared.slots[first + i - shared.first_slot];
      slot.entry = std::move(entries[i]);
      slot.folder.reset();
      slot.ready = true;
    }
    shared.WakeCommitterIfDue();
    if (waited_for_disk && ++shared.claims_from_disk == kClaimsFromDiskToWiden) {
      shared.disk_bound = true;
      shared.wide.notify_all();
    }
  }
}

// The rows at the front that are ready to commit, in order, waiting for the first when asked to; none
// when the run stopped. Readers are done with these slots, and adding or dropping other slots moves no
// slot, so the committer reads them without holding the lock.
std::vector<IntakeRun::Slot*> IntakeRun::ReadyFront(bool wait) {
  Shared& shared = *shared_;
  std::vector<Slot*> front;
  std::unique_lock lock(shared.mutex);
  if (wait) shared.ready.wait(lock, [&] { return shared.Over() || shared.NextReady(); });
  if (shared.stopped) return front;
  for (size_t number = shared.first_slot; number < shared.ready_end; ++number) {
    front.push_back(&shared.slots[number - shared.first_slot]);
  }
  return front;
}

// Drops the first count slots, committed. Their rows' memory goes back before the lock is taken.
void IntakeRun::DropFront(const std::vector<Slot*>& front, size_t count) {
  Shared& shared = *shared_;
  for (size_t i = 0; i < count; ++i) front[i]->entry.reset();
  bool room_was_full;
  {
    const std::lock_guard lock(shared.mutex);
    room_was_full = shared.next_to_read >= shared.first_slot + kMaxReadAhead;
    shared.slots.erase(shared.slots.begin(), shared.slots.begin() + static_cast<std::ptrdiff_t>(count));
    shared.first_slot += count;
  }
  // Readers wait for room only when they ran the whole read-ahead in front of the commits.
  if (room_was_full) shared.WakeReaders(count);
}

void IntakeRun::Commit(const Slot& slot) {
  Shared& shared = *shared_;
  const IntakeStep& step = shared.steps[slot.step];
  if (slot.step != shared.committing_step) {
    // The step's turn: the rows there are now are those a one-by-one run would find.
    shared.committing_step = slot.step;
    shared.step_rows_before = ListRowCount();
    if (step.kind == IntakeStep::Kind::kFolder) ClearVolumeLabelCache();
  }
  if (step.kind == IntakeStep::Kind::kFolder) {
    CommitListEntry(*slot.entry, shared.plan, ListRowCount(), shared.step_rows_before + slot.key_offset,
                    shared.step_rows_before + slot.progress_offset);
  } else {
    CommitListEntry(*slot.entry, shared.plan, step.index, ListRowCount(), step.index);
  }
  ++shared.committed;
}

bool IntakeRun::CommitReady(std::chrono::steady_clock::time_point deadline) {
  Shared& shared = *shared_;
  shared.ready_pending = false;
  bool deadline_passed = false;
  while (!deadline_passed) {
    const std::vector<Slot*> front = ReadyFront(false);
    if (front.empty()) break;
    size_t done = 0;
    while (done < front.size() && !shared.stopped) {
      if (std::chrono::steady_clock::now() >= deadline) {
        deadline_passed = true;
        break;
      }
      Commit(*front[done++]);
    }
    DropFront(front, done);
    if (shared.stopped) break;
  }
  const std::lock_guard lock(shared.mutex);
  if (shared.Over()) return true;
  if (shared.NextReady()) shared.Notify();  // the deadline passed with rows waiting
  return false;
}

void IntakeRun::RunToEnd() {
  if (shared_->reader_threads == 1 && shared_->threads.empty()) return RunHere();
  Start();
  for (;;) {
    const std::vector<Slot*> front = ReadyFront(true);
    if (front.empty()) return;
    for (Slot* slot : front) Commit(*slot);
    DropFront(front, front.size());
  }
}

// One reader needs no threads: the calling thread walks, reads and commits each row in turn.
void IntakeRun::RunHere() {
  Shared& shared = *shared_;
  for (size_t step = 0; step < shared.steps.size(); ++step) {
    for (ScannedFile& file : StepFiles(shared.steps[step], shared.plan, shared.stopped)) {
      Slot slot{step, std::move(file.path), nullptr, file.key_offset, file.progress_offset, true, true, {}};
      slot.entry = std::make_unique<ListEntry>(ReadListEntry(slot.path, shared.plan));
      Commit(slot);
    }
  }
}

void IntakeRun::Stop() {
  {
    const std::lock_guard lock(shared_->mutex);
    shared_->stopped = true;
  }
  shared_->work.notify_all();
  shared_->wide.notify_all();
  shared_->ready.notify_all();
}

int IntakeRun::committed_rows() const {
  return shared_->committed;
}
