// Times the batch command cataloguing the standard tree of real media files (bench/standard_tree.h)
// against the floor of walking it and reading each file's ends, sequentially and with 16 threads, warm
// (median of several runs) and cold (after dropping the page cache, which needs root), and prints the
// ratios against the goals and the command's peak memory. Usage:
//   catalogue_tree_bench [TESSAROLL_CLI [CACHE_DIR]]
// The tree is made once in CACHE_DIR (default $XDG_CACHE_HOME/tessaroll-bench) and reused. Not run by
// ctest.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "read_floor.h"
#include "standard_tree.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

extern char** environ;

namespace {

constexpr int kWarmRounds = 15;
constexpr int kColdRounds = 5;
constexpr int kFloorThreads = 16;
constexpr double kWarmGoal = 1.3;  // catalogue / sequential floor, warm
constexpr double kColdGoal = 1.5;  // catalogue / parallel floor, cold

struct Subject {
  std::string name;
  std::function<long()> run;  // returns the peak memory of the command in KB, 0 for a floor
  bool catalogue;
  std::vector<double> warm;
  std::vector<double> cold;
  long peak_kb = 0;
};

// Times one run of the subject and notes its peak memory.
double TimeRun(Subject& subject) {
  const auto start = std::chrono::steady_clock::now();
  subject.peak_kb = std::max(subject.peak_kb, subject.run());
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Runs the command, output to /dev/null, and ends the bench when it fails. Returns its peak memory in KB.
long RunCommand(const std::vector<std::string>& arguments) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  std::vector<char*> argv;
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  int status = 0;
  rusage usage{};
  if (spawned != 0 || wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) ||
      WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "catalogue_tree_bench: %s failed\n", arguments[0].c_str());
    std::exit(1);
  }
  return usage.ru_maxrss;
}

bool AcceptsReaderCount(const std::string& cli) {
  return RunProgram(cli, {"-j", "1", "--version"}).exit_code == 0;
}

bool DropCaches() {
  sync();
  std::ofstream drop("/proc/sys/vm/drop_caches");
  drop << "3";
  return static_cast<bool>(drop.flush());
}

size_t CountLines(const std::string& path) {
  const std::string text = ReadWholeFile(path);
  return std::count(text.begin(), text.end(), '\n');
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

std::string MinAndMedian(const std::vector<double>& values) {
  if (values.empty()) return "      -        -   ";
  char text[64];
  std::snprintf(text, sizeof text, "%7.3f s %7.3f s", *std::min_element(values.begin(), values.end()),
                Median(values));
  return text;
}

// Rounds of every subject in turn, so a change in the machine's other load falls on all of them alike.
// Before each cold run of the command the cache is dropped and the command started once (--version),
// so the cold figure is that of the tree and not of loading the program. Before each warm run the subject
// runs once untimed: a system that pages out what has not been read for a while (DAMON's reclaim, say)
// would otherwise have each subject read part of the tree from the disk again.
void Measure(std::vector<Subject>& subjects, const std::string& cli, bool cold) {
  const int rounds = cold ? kColdRounds : kWarmRounds;
  for (int round = 0; round < rounds; ++round) {
    for (Subject& subject : subjects) {
      if (cold) {
        DropCaches();
        if (subject.catalogue) RunCommand({cli, "--version"});
      } else {
        subject.run();  // fills the cache
      }
      (cold ? subject.cold : subject.warm).push_back(TimeRun(subject));
    }
  }
}

void PrintRatio(const char* what, const Subject& catalogue, const std::vector<double>& catalogue_times,
                const Subject& floor, const std::vector<double>& floor_times, double goal) {
  if (catalogue_times.empty() || floor_times.empty()) return;
  const double ratio = Median(catalogue_times) / Median(floor_times);
  // The ratio of the fastest runs too: on a machine whose speed wanders, the medians wander with it.
  const double fastest = *std::min_element(catalogue_times.begin(), catalogue_times.end()) /
                         *std::min_element(floor_times.begin(), floor_times.end());
  std::printf("%s: %s / %s = %.2fx (fastest runs %.2fx)", what, catalogue.name.c_str(), floor.name.c_str(),
              ratio, fastest);
  if (goal > 0) std::printf("   (goal <= %.1fx: %s)", goal, ratio <= goal ? "goal met" : "goal missed");
  std::printf("\n");
}

void PrintFigures(const std::vector<Subject>& subjects, bool cold_measured) {
  std::printf("\n%-30s %-19s   %-19s   %s\n", "", "warm: min   median", "cold: min   median", "peak memory");
  for (const Subject& subject : subjects) {
    std::printf("%-30s %s   %s", subject.name.c_str(), MinAndMedian(subject.warm).c_str(),
                MinAndMedian(subject.cold).c_str());
    if (subject.catalogue) std::printf("   %.1f MB", subject.peak_kb / 1024.0);
    std::printf("\n");
  }
  if (!cold_measured) std::printf("cold: not measured (needs root)\n");
  std::printf("\n");
  const Subject& sequential = subjects[0];
  const Subject& parallel = subjects[1];
  for (size_t i = 2; i < subjects.size(); ++i) {
    const bool default_readers = i == 2;  // the goals are those of the default settings
    PrintRatio("warm", subjects[i], subjects[i].warm, sequential, sequential.warm,
               default_readers ? kWarmGoal : 0);
    PrintRatio("cold", subjects[i], subjects[i].cold, parallel, parallel.cold,
               default_readers ? kColdGoal : 0);
  }
}

std::string DefaultCacheDir() {
  if (const char* cache = std::getenv("XDG_CACHE_HOME"); cache && *cache) {
    return std::string(cache) + "/tessaroll-bench";
  }
  const char* home = std::getenv("HOME");
  return std::string(home ? home : "/tmp") + "/.cache/tessaroll-bench";
}

}  // namespace

int main(int argc, char** argv) {
  const std::string cli = argc > 1 ? argv[1] : TESSAROLL_CLI_PATH;
  const std::string root = EnsureStandardTree(argc > 2 ? argv[2] : DefaultCacheDir());
  TempDir work;
  // Every setting at its default (every column shown, MPEG-1 playing times on), whatever the user's.
  const std::string settings = work.Write("defaults.ini", "");
  const std::string list = work.path() + "/list.csv";
  const std::vector<std::string> command = {cli, "-q", "-s", settings, "-o", list, root};
  std::vector<Subject> subjects = {
      {"floor, sequential",
       [&] {
         ReadFloorSequential(root);
         return 0L;
       },
       false,
       {},
       {}},
      {"floor, 16 threads",
       [&] {
         ReadFloorParallel(root, kFloorThreads);
         return 0L;
       },
       false,
       {},
       {}},
      {"catalogue, default readers", [&] { return RunCommand(command); }, true, {}, {}},
  };
  std::vector<std::string> sequential_command = command;
  sequential_command.insert(sequential_command.begin() + 1, {"-j", "1"});
  if (AcceptsReaderCount(cli)) {
    subjects.push_back({"catalogue, -j 1", [&] { return RunCommand(sequential_command); }, true, {}, {}});
  }
  const size_t floor_files = ReadFloorSequential(root);
  RunCommand(command);
  std::printf("tree %s: the floor reads %zu files, the catalogue lists %zu rows\n", root.c_str(), floor_files,
              CountLines(list) - 1);
  if (subjects.size() == 3) std::printf("this tessaroll-cli takes no -j: the default readers only\n");
  Measure(subjects, cli, false);
  const bool cold_measured = DropCaches();
  if (cold_measured) Measure(subjects, cli, true);
  PrintFigures(subjects, cold_measured);
  return 0;
}
