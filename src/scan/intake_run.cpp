#include "scan/intake_run.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <limits>
#include <mutex>
#include <thread>
#include <utility>

#include "list/list_model.h"
#include "platform/volume_label.h"
#include "scan/folder_scan.h"
#include "scan/list_entry_builder.h"

namespace {

// Rows read ahead of the next commit, at most: enough to keep every reader busy while the committer
// lags, few enough that a slow committer never holds a whole tree of read rows.
constexpr size_t kMaxReadAhead = 1024;

// The files of a step in row order: a folder's listable files, or the one file.
std::vector<ScannedFile> StepFiles(const IntakeStep& step, const ListEntryPlan& plan,
                                   const std::atomic<bool>& stop) {
  if (step.kind == IntakeStep::Kind::kFolder) return ListFolderScan(step.path, plan.settings, stop);
  return {{step.path, 0, 0}};
}

}  // namespace

struct IntakeRun::Slot {
  size_t step = 0;
  std::string path;
  int32_t key_offset = 0;  // folder rows: counted from the rows before the folder's turn
  int progress_offset = 0;
  bool ready = false;
  ListEntry entry;
};

struct IntakeRun::Shared {
  std::vector<IntakeStep> steps;
  int reader_threads = 1;
  ListEntryPlan plan = CurrentListEntryPlan();

  std::mutex mutex;
  std::condition_variable work;   // readers wait for a slot to read, or for room to read ahead
  std::condition_variable ready;  // a waiting committer waits for the next row
  std::deque<Slot> slots;         // from the next row to commit on; committed slots are dropped
  size_t first_slot = 0;          // the run-wide number of slots.front()
  size_t next_to_read = 0;        // run-wide slot numbers
  bool planned = false;           // every step's slots are in
  std::atomic<bool> stopped = false;
  std::atomic<bool> ready_pending = false;
  std::function<void()> on_ready;

  // Committer state, touched only by the owning thread.
  std::deque<Slot> taken;  // rows taken for commits that a deadline cut short
  size_t committing_step = std::numeric_limits<size_t>::max();
  int step_rows_before = 0;
  int committed = 0;

  std::vector<std::thread> threads;

  size_t end_slot() const { return first_slot + slots.size(); }
  bool NextReady() const { return !slots.empty() && slots.front().ready; }
  bool Over() const { return stopped || (planned && slots.empty()); }
  void Notify() {
    if (on_ready && !ready_pending.exchange(true)) on_ready();
  }
};

IntakeRun::IntakeRun(std::vector<IntakeStep> steps, int reader_threads)
    : shared_(std::make_unique<Shared>()) {
  shared_->steps = std::move(steps);
  shared_->reader_threads = std::max(reader_threads, 1);
}

IntakeRun::~IntakeRun() {
  Stop();
  for (std::thread& thread : shared_->threads) thread.join();
}

void IntakeRun::Start(std::function<void()> ready) {
  if (!shared_->threads.empty()) return;
  shared_->on_ready = std::move(ready);
  shared_->threads.emplace_back([this] { Plan(); });
  for (int i = 0; i < shared_->reader_threads; ++i) shared_->threads.emplace_back([this] { Read(); });
}

void IntakeRun::Plan() {
  Shared& shared = *shared_;
  for (size_t step = 0; step < shared.steps.size() && !shared.stopped; ++step) {
    std::vector<ScannedFile> files = StepFiles(shared.steps[step], shared.plan, shared.stopped);
    const std::lock_guard lock(shared.mutex);
    for (ScannedFile& file : files) {
      shared.slots.push_back({step, std::move(file.path), file.key_offset, file.progress_offset, false, {}});
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
  shared.ready.notify_all();
  if (over) shared.Notify();
}

void IntakeRun::Read() {
  Shared& shared = *shared_;
  std::unique_lock lock(shared.mutex);
  for (;;) {
    shared.work.wait(lock, [&] {
      const bool can_read =
          shared.next_to_read < shared.end_slot() && shared.next_to_read < shared.first_slot + kMaxReadAhead;
      return shared.stopped || can_read || (shared.planned && shared.next_to_read == shared.end_slot());
    });
    if (shared.stopped || shared.next_to_read == shared.end_slot()) return;
    const size_t number = shared.next_to_read++;
    const std::string path = shared.slots[number - shared.first_slot].path;
    lock.unlock();
    ListEntry entry = ReadListEntry(path, shared.plan);
    lock.lock();
    if (shared.stopped) return;
    Slot& slot = shared.slots[number - shared.first_slot];
    slot.entry = std::move(entry);
    slot.ready = true;
    if (number == shared.first_slot) {
      shared.ready.notify_one();
      shared.Notify();
    }
  }
}

// Takes the rows that are ready in order, waiting for the next when asked to; empty when none is.
std::vector<IntakeRun::Slot> IntakeRun::TakeReady(bool wait) {
  Shared& shared = *shared_;
  std::vector<Slot> taken;
  bool room_was_full;
  {
    std::unique_lock lock(shared.mutex);
    if (wait) shared.ready.wait(lock, [&] { return shared.Over() || shared.NextReady(); });
    if (shared.stopped) return taken;
    room_was_full = shared.next_to_read >= shared.first_slot + kMaxReadAhead;
    while (shared.NextReady()) {
      taken.push_back(std::move(shared.slots.front()));
      shared.slots.pop_front();
      ++shared.first_slot;
    }
  }
  // Readers wait for room only when they ran the whole read-ahead in front of the commits.
  if (room_was_full && !taken.empty()) shared.work.notify_all();
  return taken;
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
    CommitListEntry(slot.entry, shared.plan, ListRowCount(), shared.step_rows_before + slot.key_offset,
                    shared.step_rows_before + slot.progress_offset);
  } else {
    CommitListEntry(slot.entry, shared.plan, step.index, ListRowCount(), step.index);
  }
  ++shared.committed;
}

bool IntakeRun::CommitReady(std::chrono::steady_clock::time_point deadline) {
  Shared& shared = *shared_;
  shared.ready_pending = false;
  std::deque<Slot>& waiting = shared.taken;
  while (std::chrono::steady_clock::now() < deadline) {
    if (waiting.empty()) {
      std::vector<Slot> ready = TakeReady(false);
      if (ready.empty()) break;
      waiting.insert(waiting.end(), std::make_move_iterator(ready.begin()),
                     std::make_move_iterator(ready.end()));
    }
    if (shared.stopped) break;
    Commit(waiting.front());
    waiting.pop_front();
  }
  if (shared.stopped) waiting.clear();
  const std::lock_guard lock(shared.mutex);
  if (waiting.empty() && shared.Over()) return true;
  if (!waiting.empty() || shared.NextReady()) shared.Notify();  // the deadline passed with rows waiting
  return false;
}

void IntakeRun::RunToEnd() {
  if (shared_->reader_threads == 1 && shared_->threads.empty()) return RunHere();
  Start();
  for (;;) {
    const std::vector<Slot> ready = TakeReady(true);
    if (ready.empty()) return;
    for (const Slot& slot : ready) Commit(slot);
  }
}

// One reader needs no threads: the calling thread walks, reads and commits each row in turn.
void IntakeRun::RunHere() {
  Shared& shared = *shared_;
  for (size_t step = 0; step < shared.steps.size(); ++step) {
    for (ScannedFile& file : StepFiles(shared.steps[step], shared.plan, shared.stopped)) {
      Slot slot{step, std::move(file.path), file.key_offset, file.progress_offset, true, {}};
      slot.entry = ReadListEntry(slot.path, shared.plan);
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
  shared_->ready.notify_all();
}

int IntakeRun::committed_rows() const {
  return shared_->committed;
}
