#pragma once
// A run of list intake: folders to scan and files to add, read on background threads and committed
// to the row store in the order, and with the keys and progress numbers, they would get if each step
// were taken one after another on one thread. Only the thread that made the run commits: the row
// store and its observers belong to it. A run reads many files at once because a disk answers many
// reads at once far faster than one after another, and because the headers of one file can be parsed
// while another is on its way from the disk.
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// Enough reads at once to keep a disk busy.
constexpr int kDefaultReaderThreads = 16;

struct IntakeStep {
  enum class Kind { kFolder, kFile };
  Kind kind = Kind::kFile;
  std::string path;
  // A file's row index; the rows of a folder go after the rows there are when the folder's turn comes.
  int index = 0;
};

class IntakeRun {
 public:
  // The column state and settings are taken as they are now (scan/list_entry_builder.h). reader_threads
  // below 1 counts as 1, which reads the files one after another. While the files come from memory only
  // one reader more than there are processors is at work; all of them once a read waits for a disk.
  explicit IntakeRun(std::vector<IntakeStep> steps, int reader_threads = kDefaultReaderThreads);
  // Stops the run and waits for its threads (each finishes the file it is reading).
  ~IntakeRun();
  IntakeRun(const IntakeRun&) = delete;
  IntakeRun& operator=(const IntakeRun&) = delete;

  // Starts walking and reading. ready is called on a background thread when a row waits to be
  // committed or the run is over, at most once until CommitReady is next called.
  void Start(std::function<void()> ready = {});

  // Commits the rows that are ready, in order, until the next is not or the deadline passes (ready is
  // then called again). Returns true when the run is over: every row committed, or the run stopped.
  bool CommitReady(std::chrono::steady_clock::time_point deadline);

  // Starts the run and commits every row, waiting for each; with one reader, all on the calling thread.
  void RunToEnd();

  // Reads and commits nothing more; the rows committed stay. Returns at once.
  void Stop();

  // Rows committed so far.
  int committed_rows() const;

 private:
  struct Shared;
  struct Slot;
  class WalkSink;
  void Plan();
  void Read(int reader);
  void RunHere();
  std::vector<Slot*> ReadyFront(bool wait);
  void DropFront(const std::vector<Slot*>& front, size_t count);
  void Commit(const Slot& slot);

  std::unique_ptr<Shared> shared_;
};
