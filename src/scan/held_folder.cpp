#include "scan/held_folder.h"

#include <fcntl.h>

#include <utility>

HeldFolder::HeldFolder(std::string path, std::atomic<int>& open_folders, int most_open)
    : path_(std::move(path)), open_folders_(open_folders), most_open_(most_open) {}

HeldFolder::~HeldFolder() {
  if (fd_.is_open()) --open_folders_;
}

int HeldFolder::Descriptor() {
  if (!tried_ && open_folders_ < most_open_) {
    tried_ = true;
    fd_ = FileDescriptor(open(path_.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (fd_.is_open()) ++open_folders_;
  }
  return fd_.get();
}
