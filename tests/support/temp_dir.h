#pragma once
// A fresh temporary folder for one test, removed with everything in it afterwards.
#include <string>

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return path_; }
  // Writes bytes to a file below the folder (creating sub-folders) and returns its full path.
  std::string Write(const std::string& relative, const std::string& bytes) const;

 private:
  std::string path_;
};

// The whole content of a file, or empty when it cannot be read.
std::string ReadWholeFile(const std::string& path);
