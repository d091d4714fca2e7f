// Tag writes under real faults: the process killed at random instants, a file-size limit.
#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "platform/patch_journal.h"
#include "probe/info_tag_file.h"
#include "support/riff_builder.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

// Undo records of this test's writes stay in its own folder, where a leftover shows.
class StateHome {
 public:
  explicit StateHome(const std::string& folder) {
    if (const char* old = std::getenv("XDG_STATE_HOME")) old_ = old;
    setenv("XDG_STATE_HOME", folder.c_str(), 1);
  }
  ~StateHome() {
    if (old_.empty()) {
      unsetenv("XDG_STATE_HOME");
    } else {
      setenv("XDG_STATE_HOME", old_.c_str(), 1);
    }
  }

 private:
  std::string old_;
};

std::string WithRiffSize(std::string bytes) {
  bytes.replace(4, 4, Le32(static_cast<uint32_t>(bytes.size() - 8)));
  return bytes;
}

// One file as it is before the write and as the write leaves it.
struct Versions {
  std::string path;
  std::string old_bytes;
  std::string new_bytes;
  InfoTagEdit edit;
};

// A plain AVI whose tags are replaced by longer ones, and one whose tags are removed so that a large chunk
// after idx1 moves down.
std::vector<Versions> MakeVersions(const TempDir& dir) {
  AviSpec spec;
  spec.movie_bytes = 3000;
  const std::string avi = AviFile(spec);
  std::vector<Versions> files;
  files.push_back({dir.path() + "/plain.avi", WithRiffSize(avi + RenderInfoList({"old", "old creator", ""})),
                   WithRiffSize(avi + RenderInfoList({"a new title", "", "a comment"})),
                   InfoTagEdit{std::string("a new title"), std::string(), std::string("a comment")}});
  const std::string large_chunk = Chunk("JUNK", std::string(8u << 20, 'j'));
  files.push_back(
      {dir.path() + "/large.avi", WithRiffSize(avi + RenderInfoList({"old", "", ""}) + large_chunk),
       WithRiffSize(avi + large_chunk), InfoTagEdit{std::string(), std::string(), std::string()}});
  return files;
}

pid_t StartWriting(const std::vector<Versions>& files) {
  const pid_t pid = fork();
  if (pid == 0) {
    // Killed at some instant: the parent judges the files, not the outcomes.
    for (const Versions& file : files) static_cast<void>(WriteInfoTagsToFile(file.path, file.edit));
    _exit(0);
  }
  return pid;
}

TEST(WriteTagsFault, KilledAtAnyInstantEveryFileIsItsOldOrNewVersion) {
  TempDir dir;
  const StateHome state(dir.path() + "/state");
  const std::vector<Versions> files = MakeVersions(dir);
  const auto restore_old = [&] {
    for (const Versions& file : files) dir.Write(fs::path(file.path).filename(), file.old_bytes);
  };
  // How long the writes take when nothing stops them.
  restore_old();
  const auto start = std::chrono::steady_clock::now();
  int status = 0;
  waitpid(StartWriting(files), &status, 0);
  const auto whole_run = std::chrono::steady_clock::now() - start;
  for (const Versions& file : files) ASSERT_EQ(ReadWholeFile(file.path), file.new_bytes);

  std::mt19937 random(20261207);
  std::uniform_int_distribution<long> instant(
      0, std::chrono::duration_cast<std::chrono::microseconds>(whole_run).count());
  int left_half_done = 0;
  for (int run = 0; run < 30; ++run) {
    SCOPED_TRACE(run);
    restore_old();
    const pid_t child = StartWriting(files);
    std::this_thread::sleep_for(std::chrono::microseconds(instant(random)));
    kill(child, SIGKILL);
    waitpid(child, &status, 0);
    left_half_done += !fs::is_empty(dir.path() + "/state/tessaroll/undo");
    // The program's next start puts back whatever was cut short, before it reads the files.
    ASSERT_EQ(RunProgram(TESSAROLL_CLI_PATH, {"-q", "-s", dir.path() + "/none.ini", files[0].path}).exit_code,
              0);
    EXPECT_TRUE(fs::is_empty(dir.path() + "/state/tessaroll/undo"));
    for (const Versions& file : files) {
      const std::string bytes = ReadWholeFile(file.path);
      EXPECT_TRUE(bytes == file.old_bytes || bytes == file.new_bytes) << file.path;
    }
  }
  RecordProperty("KillsThatLeftAnUndoRecord", left_half_done);
}

// A file-size limit sends SIGXFSZ, which would end the program in the middle of the write: it is an
// ordinary write error instead, and the file stays as it was.
TEST(WriteTagsFault, FileSizeLimitLeavesTheFileAsItWas) {
  TempDir dir;
  const StateHome state(dir.path() + "/state");
  AviSpec spec;
  spec.movie_bytes = 3000;
  const std::string old_bytes = AviFile(spec);
  const std::string path = dir.Write("tree/movie.avi", old_bytes);
  const std::string settings = dir.Write("dorirovo.ini", "[Customize]\r\nVolLabel=0\r\n");
  const std::string list = dir.path() + "/list.csv";
  ASSERT_EQ(
      RunProgram(TESSAROLL_CLI_PATH, {"-q", "-s", settings, "-o", list, dir.path() + "/tree"}).exit_code, 0);
  std::string csv = ReadWholeFile(list);
  // The title is the fifth cell: after the file name and the three sizes.
  size_t title = csv.find("\"movie.avi\"");
  for (int cell = 0; cell < 4; ++cell) title = csv.find("\",\"", title) + 3;
  csv.insert(title, "A title");
  dir.Write("list.csv", csv);

  const std::string err = dir.path() + "/err";
  const pid_t child = fork();
  if (child == 0) {
    const rlimit limit{old_bytes.size() + 4, old_bytes.size() + 4};
    setrlimit(RLIMIT_FSIZE, &limit);
    const int fd = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(fd, STDERR_FILENO);
    execl(TESSAROLL_CLI_PATH, TESSAROLL_CLI_PATH, "-q", "-s", settings.c_str(), "-i", list.c_str(),
          "--write-tags", static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
  EXPECT_EQ(WEXITSTATUS(status), 1);
  EXPECT_NE(ReadWholeFile(err).find(path + ": the write failed; the file is unchanged (File too large)"),
            std::string::npos)
      << ReadWholeFile(err);
  EXPECT_EQ(ReadWholeFile(path), old_bytes);
  EXPECT_TRUE(fs::is_empty(dir.path() + "/state/tessaroll/undo"));
}

}  // namespace
