#include "platform/disk_space.h"

#include <sys/statvfs.h>

uint64_t DiskSpaceKB(DiskSpaceWhich which, const std::string& root) {
  struct statvfs info {};
  if (root.empty() || statvfs(root.c_str(), &info) != 0) return 0;
  uint64_t blocks = which == kDiskTotal ? info.f_blocks : info.f_bfree;
  return blocks * static_cast<uint64_t>(info.f_frsize) / 1024;
}
