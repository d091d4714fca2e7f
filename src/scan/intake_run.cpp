#include "scan/intake_run.h"

#include <fcntl.h>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <limits>
#include <mutex>
#include <thread>
#include <utility>

#include "list/list_model.h"
#include "list/text_utils.h"
#include "platform/file_descriptor.h"
#include "platform/reader_threads.h"
#include "platform/volume_label.h"
#include "scan/folder_scan.h"
#include "scan/list_entry_builder.h"

namespace {

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

// The files of a step in row order, keys in place: a folder's listable files, or the one file.
std::vector<ScannedFile> StepFiles(const IntakeStep& step, const ListEntryPlan& plan,
                                   const std::atomic<bool>& stop) {
  if (step.kind == IntakeStep::Kind::kFolder) return ListFolderScan(step.path, plan.settings, stop);
  return {{step.path, 0, 0}};
}

}  // namespace

namespace {

// The folder of a walk's files, opened by the first reader of one of them while fewer than most_open
// are open, and closed when the last of them is read.
struct HeldFolder {
  HeldFolder(std::string path, std::atomic<int>& open_folders, int most_open)
      : path(std::move(path)), open_folders(open_folders), most_open(most_open) {}
  ~HeldFolder() {
    if (fd.is_open()) --open_folders;
  }
  HeldFolder(const HeldFolder&) = delete;
  HeldFolder& operator=(const HeldFolder&) = delete;

  // The descriptor to open the files by name in, or -1 to open them by their whole paths. Called with
  // the intake's lock held.
  int Descriptor() {
    if (!tried && open_folders < most_open) {
      tried = true;
      fd = FileDescriptor(open(path.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
      if (fd.is_open()) ++open_folders;
    }
    return fd.get();
  }

  std::string path;
  std::atomic<int>& open_folders;
  const int most_open;
  FileDescriptor fd;
  bool tried = false;
};

}  // namespace

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
    const bool batch = ready_end - first_slot >= kRowsPerWake;
    const bool readers_out_of_rows = next_to_read == end_slot() || next_to_read >= first_slot + kMaxReadAhead;
    if (!batch && !readers_out_of_rows) return;
    ready.notify_one();
    Notify();
  }
  // Wakes as many waiting readers as there are new claims to read: waking them all for every folder
  // would only have most of them find nothing left and wait again.
  void WakeReaders(size_t new_slots) {
    const size_t claims = (new_slots + kFilesPerClaim - 1) / kFilesPerClaim;
    for (size_t i = 0; i < std::min<size_t>(claims, reader_threads); ++i) work.notify_one();
  }
};

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
