// Times cataloguing a tree of media files against the floor of merely opening each file and reading
// its headers, and prints the ratios and the time per file for three column set-ups: on the standard
// tree of the synthetic samples, on that tree with the files of the later kinds made by ffmpeg
// (tests/data) among them, and on those files alone. Usage: catalogue_bench [FILES [SETTINGS]]: 10000
// files a tree by default, the defaults of every setting unless a settings file is named. Not run by
// ctest.
#include <fcntl.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "list/columns.h"
#include "list/list_model.h"
#include "scan/folder_scan.h"
#include "settings/settings.h"
#include "support/sample_media.h"
#include "support/temp_dir.h"

namespace {

constexpr int kFilesPerFolder = 100;
constexpr int kRounds = 5;

// The files of the later kinds among the real files of tests/data.
std::vector<SampleFile> LaterKindFiles() {
  std::vector<SampleFile> files;
  for (const char* name :
       {"h264_aac.mp4", "h264_aac_faststart.mp4", "aac.m4a", "vp9_opus.mkv", "hevc_ac3.mkv", "av1_opus.webm",
        "h264_mp2.ts", "flv1_mp3.flv", "theora_vorbis.ogv", "opus.opus", "mp3_cover.mp3", "flac.flac",
        "wmv2_wmav2.wmv", "wmav2.wma"}) {
    std::ifstream in(std::string(TESSAROLL_SOURCE_DIR) + "/tests/data/" + name, std::ios::binary);
    files.push_back({name, {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()}});
  }
  return files;
}

// The samples, cycled, in folders of a hundred files below two levels: links to one copy of each, so
// a tree of large files costs no room (the time counted is the processor's, with every file cached).
void MakeTree(const std::string& root, int files, const std::vector<SampleFile>& samples) {
  const std::string originals = root + ".originals";
  std::filesystem::create_directories(originals);
  for (size_t i = 0; i < samples.size(); ++i) {
    std::ofstream(originals + "/" + std::to_string(i), std::ios::binary) << samples[i].bytes;
  }
  for (int i = 0; i < files; ++i) {
    const SampleFile& sample = samples[i % samples.size()];
    const std::string extension = std::filesystem::path(sample.relative_path).extension().string();
    const std::string folder = root + "/group" + std::to_string(i / (kFilesPerFolder * 10)) + "/folder" +
                               std::to_string(i / kFilesPerFolder);
    std::filesystem::create_directories(folder);
    std::filesystem::create_hard_link(originals + "/" + std::to_string(i % samples.size()),
                                      folder + "/file" + std::to_string(i) + extension);
  }
}

// The floor: list the tree, open every file, read its first 4 KB (every header the readers look at)
// and close it.
void OpenAndReadHeaders(const std::string& root) {
  char buffer[4096];
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
    if (!entry.is_regular_file()) continue;
    int fd = open(entry.path().c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) continue;
    if (read(fd, buffer, sizeof buffer) < 0) std::perror("read");
    close(fd);
  }
}

void Catalogue(const std::string& root) {
  ListDeleteAll();
  ScanFolder(root);
}

// Processor time (user and system) rather than wall time: the machine may be busy with other work, and
// both runs are mostly system calls.
double ProcessSeconds() {
  timespec now;
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return now.tv_sec + now.tv_nsec / 1e9;
}

double BestSeconds(const std::function<void()>& run) {
  double best = 1e9;
  for (int round = 0; round < kRounds; ++round) {
    const double start = ProcessSeconds();
    run();
    best = std::min(best, ProcessSeconds() - start);
  }
  return best;
}

// Every column shown but those listed.
void ShowAllColumnsBut(const std::vector<int>& hidden) {
  std::array<int, kColumnCount> flags;
  std::array<int, kColumnCount> widths;
  flags.fill(1);
  for (int column : hidden) flags[column] = 0;
  for (int no = 0; no < kColumnCount; ++no) widths[no] = ColumnTable(no).default_width;
  UseColumns(MakeColumnState(flags, widths));
}

// The catalogue of one tree against its floor, for each column set-up.
void TimeTree(const std::string& name, const std::string& root, int files) {
  const double floor = BestSeconds([&] { OpenAndReadHeaders(root); });
  std::printf("%s, %d files; open and read headers: %.1f ms\n", name.c_str(), files, floor * 1000);
  const std::pair<const char*, std::vector<int>> setups[] = {
      {"every column", {}},
      // Without the playing time column no MPEG-1 file is opened by libavformat for its length.
      {"every column but the playing time", {kColPlayTime}},
      {"sizes, tags, folder and volume only",
       {kColVideoFormat, kColAudioFormat, kColVideoRate, kColAudioRate, kColFrameRate, kColResolution,
        kColPlayTime}},
  };
  for (const auto& [setup, hidden] : setups) {
    ShowAllColumnsBut(hidden);
    const double catalogue = BestSeconds([&] { Catalogue(root); });
    std::printf("  catalogue, %-36s %8.1f ms  ratio %5.2fx  %6.3f ms a file  (%d rows)\n", setup,
                catalogue * 1000, catalogue / floor, catalogue * 1000 / files, ListRowCount());
  }
}

}  // namespace

int main(int argc, char** argv) {
  const int files = argc > 1 ? std::atoi(argv[1]) : 10000;
  TempDir dir;
  UseSettingsFile(argc > 2 ? argv[2] : dir.path() + "/dorirovo.ini");
  LoadSettings();
  std::vector<SampleFile> standard = SampleMediaFiles();
  const std::vector<SampleFile> later = LaterKindFiles();
  std::vector<SampleFile> extended = standard;
  extended.insert(extended.end(), later.begin(), later.end());
  const std::pair<const char*, const std::vector<SampleFile>*> trees[] = {
      {"standard tree", &standard}, {"standard tree and later kinds", &extended}, {"later kinds", &later}};
  for (size_t i = 0; i < std::size(trees); ++i) {
    const std::string root = dir.path() + "/tree" + std::to_string(i);
    MakeTree(root, files, *trees[i].second);
    TimeTree(trees[i].first, root, files);
  }
  return 0;
}
