// Kills tessaroll-cli --write-tags at random instants and checks, after the next start of the program,
// that every file is byte for byte its old or its new version. Usage: tag_kill_bench CLI [ROUNDS [SEED]]:
// 200 rounds by default. Prints how many kills fell inside a write (an undo record was left) and how many
// files were damaged. Exits 1 when any file was. Not run by ctest.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "probe/info_tag_file.h"
#include "support/riff_builder.h"
#include "support/temp_dir.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

struct File {
  std::string path;
  std::string old_bytes;
  std::string new_bytes;
};

double Now() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return now.tv_sec + now.tv_nsec / 1e9;
}

pid_t Start(const std::vector<std::string>& arguments) {
  std::vector<char*> argv;
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  pid_t pid = -1;
  if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid = -1;
  posix_spawn_file_actions_destroy(&actions);
  return pid;
}

int Wait(pid_t pid) {
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

std::string WithRiffSize(std::string bytes) {
  bytes.replace(4, 4, Le32(static_cast<uint32_t>(bytes.size() - 8)));
  return bytes;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: tag_kill_bench CLI [ROUNDS [SEED]]\n");
    return 2;
  }
  const std::string cli = argv[1];
  const int rounds = argc > 2 ? std::atoi(argv[2]) : 200;
  std::mt19937 random(argc > 3 ? std::atoi(argv[3]) : 1);
  TempDir dir;
  setenv("XDG_STATE_HOME", (dir.path() + "/state").c_str(), 1);
  const std::string undo_folder = dir.path() + "/state/tessaroll/undo";
  const std::string settings = dir.path() + "/none.ini";
  const std::string tree = dir.path() + "/tree";
  fs::create_directories(tree);

  // A plain movie, and one whose INFO list holds another program's large sub-chunk before our tags, so
  // that each write rewrites a megabyte in place.
  AviSpec spec;
  spec.movie_bytes = 3000;
  const std::string avi = AviFile(spec);
  const std::string large_other = Chunk("IDIT", std::string(1000000, 'd'));
  std::vector<File> files = {
      {tree + "/plain.avi", WithRiffSize(avi + RenderInfoList({"old title", "", ""})), ""},
      {tree + "/other.avi", WithRiffSize(avi + RenderInfoList({"old", "old creator", ""}, large_other)), ""},
  };
  // The list to apply is a listing of the files with their new tags.
  for (File& file : files) {
    WriteBytes(file.path, file.old_bytes);
    const InfoTagResult written = WriteInfoTagsToFile(
        file.path, {std::string("the new title"), std::string("me"), std::string("a comment")});
    if (written.outcome != InfoTagOutcome::kWritten) std::exit(2);
    file.new_bytes = ReadWholeFile(file.path);
  }
  const std::string list = dir.path() + "/list.csv";
  if (Wait(Start({cli, "-q", "-s", settings, "-o", list, tree})) != 0) return 1;
  const std::vector<std::string> write = {cli, "-q", "-s", settings, "-i", list, "--write-tags"};
  const std::vector<std::string> next_start = {cli, "-q", "-s", settings, "-o", dir.path() + "/after.txt",
                                               tree};

  const auto restore_old = [&] {
    for (const File& file : files) WriteBytes(file.path, file.old_bytes);
  };
  restore_old();
  const double started = Now();
  Wait(Start(write));
  const double whole_run = Now() - started;

  int inside_a_write = 0, damaged = 0, old_files = 0, new_files = 0;
  std::uniform_real_distribution<double> instant(0, whole_run);
  for (int round = 0; round < rounds; ++round) {
    restore_old();
    const pid_t pid = Start(write);
    const double delay = instant(random);
    const timespec pause{static_cast<time_t>(delay),
                         static_cast<long>((delay - static_cast<time_t>(delay)) * 1e9)};
    nanosleep(&pause, nullptr);
    kill(pid, SIGKILL);
    Wait(pid);
    inside_a_write += fs::exists(undo_folder) && !fs::is_empty(undo_folder);
    Wait(Start(next_start));
    for (const File& file : files) {
      const std::string bytes = ReadWholeFile(file.path);
      old_files += bytes == file.old_bytes;
      new_files += bytes == file.new_bytes;
      damaged += bytes != file.old_bytes && bytes != file.new_bytes;
    }
  }
  std::printf(
      "%d kills within %.1f ms runs: %d inside a write; files afterwards: %d old, %d new, %d damaged\n",
      rounds, whole_run * 1000, inside_a_write, old_files, new_files, damaged);
  return damaged == 0 ? 0 : 1;
}
