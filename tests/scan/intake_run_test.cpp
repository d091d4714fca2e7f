#include "scan/intake_run.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "list/list_model.h"
#include "scan/core_state_reset.h"
#include "scan/path_intake.h"
#include "scan/scan_progress.h"
#include "settings/settings.h"
#include "support/list_rows.h"
#include "support/run_program.h"
#include "support/shown_columns.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using Texts = std::vector<std::string>;

// The program's own samples and the real files of the tests, spread over nested folders, with files
// that defeat readers: empty, cut short, a FIFO, a folder named like a movie, a name in Shift-JIS.
std::string MakeMixedTree(TempDir& dir) {
  const std::string tree = dir.path() + "/tree";
  fs::create_directories(tree + "/data/more");
  fs::copy(TESSAROLL_SOURCE_DIR "/samples", tree + "/samples", fs::copy_options::recursive);
  // Enough files that the readers of a run from the disk see it waiting many times.
  for (const char* copy : {"/data/real", "/data/again", "/data/more/real"}) {
    fs::copy(TESSAROLL_SOURCE_DIR "/tests/data", tree + copy, fs::copy_options::recursive);
  }
  dir.Write("tree/data/empty.avi", "");
  dir.Write("tree/data/short.mpg", std::string("\0\0\x01\xba", 4));
  dir.Write("tree/\x83\x72\x83\x66\x83\x49.avi", "RIFF");
  fs::create_directories(tree + "/clips.avi");
  mkfifo((tree + "/data/pipe.wav").c_str(), 0600);
  return tree;
}

// Drops the tree's files from the page cache (where the file system keeps them on a disk), so that the
// readers wait for the disk and every one of them is put to work.
void DropFromMemory(const std::string& tree) {
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(tree)) {
    if (!entry.is_regular_file()) continue;
    const int fd = open(entry.path().c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) continue;
    fsync(fd);
    posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
    close(fd);
  }
}

struct Listing {
  Texts keys_and_names;
  Texts progress;
};

Listing ListWith(const std::vector<IntakeStep>& steps, int threads) {
  Listing listing;
  SetScanProgressSink([&](const std::string& text) { listing.progress.push_back(text); });
  IntakeRun(steps, threads).RunToEnd();
  SetScanProgressSink({});
  for (int row = 0; row < ListRowCount(); ++row) {
    listing.keys_and_names.push_back(std::to_string(ListRowKey(row)) + " " + ListGetCell(row, 0));
  }
  return listing;
}

class IntakeRunTest : public testing::Test {
 protected:
  void SetUp() override {
    ResetCoreStateForTesting();
    UseSettingsFileForTesting(dir.path() + "/dorirovo.ini");
    LoadSettings();
    ShowOnlyColumns({});
  }
  void TearDown() override { ResetCoreStateForTesting(); }
  TempDir dir;
};

TEST(IntakeRunCli, EveryReaderCountWritesTheSameBytes) {
  TempDir dir;
  const std::string tree = MakeMixedTree(dir);
  const std::string settings = dir.path() + "/no-such-settings.ini";  // every default: every column
  std::string first;
  struct Run {
    const char* threads;
    bool from_disk;
  };
  for (const auto& [threads, from_disk] :
       {Run{"1", false}, Run{"16", false}, Run{"3", false}, Run{"16", true}}) {
    if (from_disk) DropFromMemory(tree);
    for (const char* kind : {"csv", "txt"}) {
      const std::string out = dir.path() + "/list-" + threads + "." + kind;
      const ProgramResult run =
          RunProgram(TESSAROLL_CLI_PATH, {"-s", settings, "-j", threads, "-o", out, tree});
      ASSERT_EQ(run.exit_code, 0) << run.err;
    }
    const std::string csv = ReadWholeFile(dir.path() + "/list-" + threads + ".csv");
    const std::string txt = ReadWholeFile(dir.path() + "/list-" + threads + ".txt");
    if (first.empty()) {
      first = csv + txt;
      EXPECT_GT(std::count(csv.begin(), csv.end(), '\n'), 30);
      EXPECT_NE(csv.find("h264"), std::string::npos);  // the probe ran
    } else {
      EXPECT_EQ(csv + txt, first) << threads << " readers" << (from_disk ? ", files on the disk" : "");
    }
  }
}

// A tree of one file a folder, read with few descriptors allowed: the folders held open for their files
// never take those the files need, and every row is read as one reader reads it.
TEST(IntakeRunCli, FewDescriptorsStillReadEveryFile) {
  TempDir dir;
  const std::string clip = ReadWholeFile(TESSAROLL_SOURCE_DIR "/tests/data/msmpeg4v2_pcm.avi");
  for (int folder = 0; folder < 150; ++folder)
    dir.Write("tree/f" + std::to_string(folder) + "/clip.avi", clip);
  const std::string settings = dir.path() + "/no-such-settings.ini";
  std::string lists[2];
  for (const int threads : {1, 16}) {
    DropFromMemory(dir.path() + "/tree");  // every reader at work, each with files in many folders
    const std::string out = dir.path() + "/list-" + std::to_string(threads) + ".csv";
    const ProgramResult run =
        RunProgram("prlimit", {"--nofile=48:48", TESSAROLL_CLI_PATH, "-s", settings, "-j",
                               std::to_string(threads), "-o", out, dir.path() + "/tree"});
    ASSERT_EQ(run.exit_code, 0) << run.err;
    lists[threads == 16] = ReadWholeFile(out);
  }
  EXPECT_EQ(std::count(lists[0].begin(), lists[0].end(), '\n'), 151);
  EXPECT_NE(lists[0].find("PCM"), std::string::npos);
  EXPECT_EQ(lists[1], lists[0]);
}

// Keys and progress numbers depend on the rows there are when each step's turn comes: a dropped
// folder between files, into a list that already has rows.
TEST_F(IntakeRunTest, KeysAndProgressAreThoseOfOneStepAfterAnother) {
  const std::string tree = MakeMixedTree(dir);
  for (const char* name : {"old1.avi", "old2.avi"}) ListInsertRow(ListRowCount(), ListRowCount(), name);
  const PathIntakePlan plan = PlanDroppedIntake(
      {tree + "/samples/testcard.avi", tree + "/data", tree + "/nothing.avi", tree + "/samples/tone.wav"});
  EXPECT_EQ(plan.summary.accepted_files, 2);
  EXPECT_EQ(plan.summary.folders, 1);
  EXPECT_EQ(plan.summary.ignored, 1);
  const Listing one = ListWith(plan.steps, 1);
  ListResetForTesting();
  ShowOnlyColumns({});
  for (const char* name : {"old1.avi", "old2.avi"}) ListInsertRow(ListRowCount(), ListRowCount(), name);
  const Listing many = ListWith(plan.steps, 16);
  EXPECT_EQ(many.keys_and_names, one.keys_and_names);
  EXPECT_EQ(many.progress, one.progress);
  ASSERT_GT(one.keys_and_names.size(), 10u);
  // Dropped files go in at the top, each keyed by the rows before it: the folder's rows count for the last.
  EXPECT_EQ(one.keys_and_names[0], "2 testcard.avi");
  EXPECT_EQ(one.keys_and_names[1], std::to_string(one.keys_and_names.size() - 1) + " tone.wav");
  EXPECT_EQ(one.progress.front(), "File 0 Reading...");
}

TEST_F(IntakeRunTest, StoppedRunKeepsTheRowsCommittedInTheirOrder) {
  const std::string tree = MakeMixedTree(dir);
  const std::vector<IntakeStep> steps = {{IntakeStep::Kind::kFolder, tree, 0}};
  const Texts all = ListWith(steps, 4).keys_and_names;
  ListResetForTesting();
  ShowOnlyColumns({});

  IntakeRun run(steps, 4);
  std::atomic<int> calls = 0;
  run.Start([&] { ++calls; });
  // A deadline already past commits nothing and asks to be called again once a row is ready.
  while (calls == 0) std::this_thread::yield();
  EXPECT_FALSE(run.CommitReady(std::chrono::steady_clock::now() - std::chrono::seconds(1)));
  EXPECT_EQ(ListRowCount(), 0);
  while (ListRowCount() < 5) run.CommitReady(std::chrono::steady_clock::now() + std::chrono::seconds(1));
  run.Stop();
  const int kept = ListRowCount();
  EXPECT_TRUE(run.CommitReady(std::chrono::steady_clock::now() + std::chrono::seconds(1)));
  EXPECT_EQ(ListRowCount(), kept);
  EXPECT_EQ(run.committed_rows(), kept);
  EXPECT_EQ(ListWith({}, 4).keys_and_names, Texts(all.begin(), all.begin() + kept));
}

}  // namespace
