// Times loading and saving list files of many rows and measures the memory the batch command takes for
// them, each against a floor of the same run: reading or writing as many bytes, and the program's start.
// Usage: list_file_bench [TESSAROLL_CLI [ROWS]]: the batch command measured (by default the one built
// beside this), 100000 rows by default and ten times as many for the largest load. Not run by ctest.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "list/columns.h"
#include "list/csv_reader.h"
#include "list/list_file_writer.h"
#include "list/list_model.h"
#include "platform/cp932.h"
#include "platform/file_write.h"
#include "platform/regular_file.h"
#include "scan/size_cells.h"
#include "support/temp_dir.h"

extern char** environ;

namespace {

double Now() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return now.tv_sec + now.tv_nsec / 1e9;
}

double BestOfThree(const std::function<void()>& run) {
  double best = 1e9;
  for (int round = 0; round < 3; ++round) {
    const double start = Now();
    run();
    best = std::min(best, Now() - start);
  }
  return best;
}

const char* Pick(std::mt19937& random, std::initializer_list<const char*> texts) {
  return *(texts.begin() + random() % texts.size());
}

// The cells a scan of a media collection gives, by column number.
std::array<std::string, kColumnCount> ScannedCells(std::mt19937& random, int row) {
  static const std::string kFireworks = Utf8ToCp932("花火大会");
  static const std::string kTrip = Utf8ToCp932("旅行");
  static const std::string kSilent = Utf8ToCp932("音声なし");
  std::array<std::string, kColumnCount> cells;
  char text[128];
  const int64_t size = static_cast<int64_t>(random() % 4000000000u) + random() % 100000;
  std::snprintf(text, sizeof text, "%s %04u-%02u %06u.%s", row % 4 ? "clip" : kFireworks.c_str(),
                2000 + static_cast<unsigned>(random() % 26), 1 + static_cast<unsigned>(random() % 12),
                static_cast<unsigned>(row), Pick(random, {"mp4", "mkv", "avi", "mp3", "ts", "flac"}));
  cells[kColFileName] = text;
  cells[kColSizeBytes] = SizeBytesCell(size);
  cells[kColSizeMB] = SizeMBCell(size, true);
  cells[kColSizeKB] = SizeKBCell(size, true);
  std::snprintf(text, sizeof text, "Holiday %u part %u", static_cast<unsigned>(random() % 500),
                static_cast<unsigned>(random() % 12));
  cells[kColTitle] = row % 3 ? text : "";
  cells[kColVideoFormat] = Pick(random, {"H.264", "H.265", "VP9", "AV1", "MPEG4", "DivX Low", ""});
  cells[kColAudioFormat] = row % 9 ? Pick(random, {"AAC", "MP3", "Opus", "AC-3", "PCM", "FLAC"}) : kSilent;
  std::snprintf(text, sizeof text, "%ukbit", static_cast<unsigned>(random() % 20000));
  cells[kColVideoRate] = text;
  cells[kColAudioRate] =
      Pick(random, {"48.00kHz/128kbit", "44.10kHz/320kbit", "48.00kHz/192kbit", "48.00kHz"});
  cells[kColFrameRate] = Pick(random, {"23.98", "25.00", "29.97", "59.94", "30.00"});
  cells[kColResolution] = Pick(random, {"1920x1080", "1280x720", "3840x2160", "640x480", "720x576"});
  std::snprintf(text, sizeof text, "%02u:%02u", static_cast<unsigned>(random() % 200),
                static_cast<unsigned>(random() % 60));
  cells[kColPlayTime] = text;
  cells[kColGenre] = Pick(random, {"Travel", "Family", "", "Music"});
  cells[kColCreator] = Pick(random, {"Me", "Dad", "", "Studio Ghibli"});
  cells[kColComment] = row % 5 ? "" : "kept from the old disk";
  std::snprintf(text, sizeof text, "/home/user/Videos/%u/%s/%u/", 2000 + static_cast<unsigned>(random() % 26),
                kTrip.c_str(), static_cast<unsigned>(random() % 100));
  cells[kColFolder] = text;
  cells[kColVolume] = Pick(random, {"DATA", "BACKUP", "MEDIA-2TB"});
  return cells;
}

void ShowAllColumns() {
  std::array<int, kColumnCount> flags;
  flags.fill(1);
  UseColumns(MakeColumnState(flags, {}));
}

void FillRows(int rows) {
  ShowAllColumns();
  std::mt19937 random(7);
  ListInsertRows(0, [&](const ListRowAdder& add) {
    std::vector<std::string_view> views(kColumnCount);
    for (int row = 0; row < rows; ++row) {
      const std::array<std::string, kColumnCount> cells = ScannedCells(random, row);
      for (int column = 0; column < kColumnCount; ++column) views[ColumnPosition(column)] = cells[column];
      add(row, views, false);
    }
  });
}

uint64_t FileSize(const std::string& path) {
  return std::filesystem::file_size(path);
}

// The floors: reading a file's bytes, and writing as many bytes as all or nothing as a list file is.
double ReadFloor(const std::string& path) {
  return BestOfThree([&] {
    uint64_t length = 0;
    const FileDescriptor fd = OpenRegularFile(path, &length);
    std::string bytes;
    if (!fd.is_open() || !ReadExactlyAt(fd.get(), 0, length, bytes)) std::exit(2);
  });
}

double WriteFloor(const std::string& path, uint64_t size) {
  const std::string bytes(size, 'x');
  return BestOfThree([&] {
    if (!ReplaceFileContents(path, bytes).ok) std::exit(2);
  });
}

struct ChildRun {
  double seconds = 0;
  double peak_mb = 0;
};

// The batch command on the arguments; its wall time and its largest resident size.
ChildRun RunCli(const std::string& cli, std::vector<std::string> arguments) {
  arguments.insert(arguments.begin(), cli);
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  ChildRun run;
  const double start = Now();
  pid_t pid = -1;
  if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) std::exit(2);
  posix_spawn_file_actions_destroy(&actions);
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  run.seconds = Now() - start;
  run.peak_mb = usage.ru_maxrss / 1024.0;
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) std::fprintf(stderr, "%s failed\n", cli.c_str());
  return run;
}

// The data lines of the list file repeated: as many more rows, copied a piece at a time so that this
// program stays small for the measured ones it starts.
void RepeatRows(const std::string& from, const std::string& to, int times) {
  std::ifstream in(from, std::ios::binary);
  std::string header;
  std::getline(in, header);
  const std::streamoff body = static_cast<std::streamoff>(in.tellg());
  std::ofstream out(to, std::ios::binary);
  out << header << '\n';
  std::vector<char> piece(1 << 20);
  for (int time = 0; time < times; ++time) {
    in.clear();
    in.seekg(body);
    while (in.read(piece.data(), piece.size()) || in.gcount() > 0) out.write(piece.data(), in.gcount());
  }
}

// The list file is made by a child, so that this program holds no rows while it measures the others.
void MakeListFile(const std::string& csv, int rows) {
  const pid_t child = fork();
  if (child == 0) {
    FillRows(rows);
    _exit(WriteListFile(csv, kListFileCsv, false).ok ? 0 : 1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) std::exit(2);
}

void PrintTime(const char* what, double seconds, double floor, const char* floor_what) {
  std::printf("  %-10s %6.3f s  %5.1f x %s (%.3f s)\n", what, seconds, seconds / floor, floor_what, floor);
}

void PrintMemory(const char* what, const ChildRun& run, const ChildRun& start, uint64_t file_bytes) {
  std::printf("  %-34s %6.0f MB in %5.2f s  = start + %.1f x the list file (%.0f MB)\n", what, run.peak_mb,
              run.seconds, (run.peak_mb - start.peak_mb) / (file_bytes / 1048576.0), file_bytes / 1048576.0);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string cli = argc > 1 ? argv[1] : TESSAROLL_CLI_PATH;
  const int rows = argc > 2 ? std::atoi(argv[2]) : 100000;
  TempDir dir;
  const std::string txt = dir.path() + "/list.txt", csv = dir.path() + "/list.csv";
  const std::string html = dir.path() + "/list.htm", floor = dir.path() + "/floor.bin";
  MakeListFile(csv, rows);

  const std::string settings = dir.path() + "/none.ini", out_csv = dir.path() + "/out.csv";
  const std::string big = dir.path() + "/big.csv", header_only = dir.path() + "/header.csv";
  RepeatRows(csv, header_only, 0);
  RepeatRows(csv, big, 10);
  const ChildRun start = RunCli(cli, {"-q", "-s", settings, "-i", header_only, "-o", out_csv});
  std::printf("%d rows of all 17 columns; peak memory (max RSS) of %s; its start alone: %.0f MB\n", rows,
              cli.c_str(), start.peak_mb);
  const std::string load = "load " + std::to_string(rows) + " rows, save ";
  PrintMemory((load + "CSV").c_str(), RunCli(cli, {"-q", "-s", settings, "-i", csv, "-o", out_csv}), start,
              FileSize(csv));
  PrintMemory((load + "HTML").c_str(),
              RunCli(cli, {"-q", "-s", settings, "-i", csv, "-o", dir.path() + "/out.htm"}), start,
              FileSize(csv));
  PrintMemory(("load " + std::to_string(rows * 10) + " rows, save CSV").c_str(),
              RunCli(cli, {"-q", "-s", settings, "-i", big, "-o", out_csv}), start, FileSize(big));
  std::filesystem::remove(big);

  ShowAllColumns();
  const double csv_load = BestOfThree([&] {
    ListDeleteAll();
    if (ReadCsvListFile(csv) != kCsvLoaded || ListRowCount() != rows) std::exit(2);
  });
  const double txt_write = BestOfThree([&] {
    if (!WriteListFile(txt, kListFileTxt, false).ok) std::exit(2);
  });
  const double csv_write = BestOfThree([&] {
    if (!WriteListFile(out_csv, kListFileCsv, false).ok) std::exit(2);
  });
  const double html_write = BestOfThree([&] {
    if (!WriteListFile(html, kListFileHtml, false).ok) std::exit(2);
  });
  std::printf("list files: TXT %.1f MB, CSV %.1f MB, HTML %.1f MB; wall clock, best of three:\n",
              FileSize(txt) / 1048576.0, FileSize(csv) / 1048576.0, FileSize(html) / 1048576.0);
  PrintTime("CSV load", csv_load, ReadFloor(csv), "reading its bytes");
  PrintTime("TXT write", txt_write, WriteFloor(floor, FileSize(txt)), "writing as many bytes");
  PrintTime("CSV write", csv_write, WriteFloor(floor, FileSize(csv)), "writing as many bytes");
  PrintTime("HTML write", html_write, WriteFloor(floor, FileSize(html)), "writing as many bytes");
  return 0;
}
