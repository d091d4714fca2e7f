#pragma once
// A folder held open while its files are read, so that each is opened by its name in it: the kernel then
// looks up one name rather than every folder on the path.
#include <atomic>
#include <string>

#include "platform/file_descriptor.h"

class HeldFolder {
 public:
  // open_folders counts the folders held open at once; this one is opened only while fewer than
  // most_open are. It must outlive the folder.
  HeldFolder(std::string path, std::atomic<int>& open_folders, int most_open);
  ~HeldFolder();
  HeldFolder(const HeldFolder&) = delete;
  HeldFolder& operator=(const HeldFolder&) = delete;

  // The descriptor to open the files by name in, opened at the first call; -1 to open them by their
  // whole paths. Not for two threads at once.
  int Descriptor();

 private:
  std::string path_;
  std::atomic<int>& open_folders_;
  const int most_open_;
  FileDescriptor fd_;
  bool tried_ = false;
};
