// Times cataloguing a tree of media files against the floor of merely opening each file and reading
// its headers, and prints the ratio. Usage: catalogue_bench [FILES [SETTINGS]]: 10000 files by default,
// and every column shown unless a settings file says otherwise. Not run by ctest.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
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

// The samples, cycled, in folders of a hundred files below two levels.
void MakeTree(const std::string& root, int files) {
  const std::vector<SampleFile> samples = SampleMediaFiles();
  for (int i = 0; i < files; ++i) {
    const SampleFile& sample = samples[i % samples.size()];
    const std::string extension = std::filesystem::path(sample.relative_path).extension().string();
    const std::string folder = root + "/group" + std::to_string(i / (kFilesPerFolder * 10)) + "/folder" +
                               std::to_string(i / kFilesPerFolder);
    std::filesystem::create_directories(folder);
    std::ofstream(folder + "/file" + std::to_string(i) + extension, std::ios::binary) << sample.bytes;
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

double BestSeconds(const std::function<void()>& run) {
  double best = 1e9;
  for (int round = 0; round < kRounds; ++round) {
    auto start = std::chrono::steady_clock::now();
    run();
    best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  const int files = argc > 1 ? std::atoi(argv[1]) : 10000;
  TempDir dir;
  const std::string root = dir.path() + "/tree";
  MakeTree(root, files);
  // Without a settings file every column is shown, so every cell is built and every file probed.
  UseSettingsFile(argc > 2 ? argv[2] : dir.path() + "/dorirovo.ini");
  LoadSettings();
  BuildColumns();

  const double floor = BestSeconds([&] { OpenAndReadHeaders(root); });
  const double catalogue = BestSeconds([&] { Catalogue(root); });
  std::printf("files %d, rows %d\n", files, ListRowCount());
  std::printf("open and read headers: %8.1f ms\n", floor * 1000);
  std::printf("catalogue:             %8.1f ms\n", catalogue * 1000);
  std::printf("ratio:                 %8.2fx\n", catalogue / floor);
  return 0;
}
