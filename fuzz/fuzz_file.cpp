#include "fuzz_file.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

// Never destroyed, so that the exit handler can still use it.
const std::string& FuzzFolder() {
  static const std::string* folder = [] {
    auto* pattern =
        new std::string((std::filesystem::temp_directory_path() / "tessaroll-fuzz-XXXXXX").string());
    if (mkdtemp(pattern->data()) == nullptr) {
      std::perror("mkdtemp");
      std::abort();
    }
    // The undo records of in-place edits stay with the inputs, in memory, not in the user's state folder.
    setenv("XDG_STATE_HOME", pattern->c_str(), 1);
    std::atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(FuzzFolder(), ignored);
    });
    return pattern;
  }();
  return *folder;
}

}  // namespace

std::string FuzzFilePath(const std::string& name) {
  return FuzzFolder() + "/" + name;
}

void WriteFuzzFile(const std::string& path, const uint8_t* data, size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  out.close();
  if (!out) {
    std::fprintf(stderr, "cannot write %s\n", path.c_str());
    std::abort();
  }
}

std::string ReadFuzzFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "cannot read %s\n", path.c_str());
    std::abort();
  }
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
