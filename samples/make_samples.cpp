// Writes the synthetic sample media files (tests/support/sample_media.h) below a folder.
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "support/sample_media.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_samples FOLDER\n");
    return 2;
  }
  for (const SampleFile& sample : SampleMediaFiles()) {
    const std::filesystem::path path = std::filesystem::path(argv[1]) / sample.relative_path;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(sample.bytes.data(), static_cast<std::streamsize>(sample.bytes.size()));
    if (!out.flush()) {
      std::fprintf(stderr, "make_samples: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
