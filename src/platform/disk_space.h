#pragma once
// Size and free space of the file system that holds a path, in KB (1024 bytes), 64-bit.
#include <cstdint>
#include <string>

enum DiskSpaceWhich { kDiskTotal = 0, kDiskFree = 1 };

// Total: blocks x fragment size; free: free blocks x fragment size (all free space, not the caller's
// quota); each divided by 1024. 0 when the path cannot be asked about. The root may be the folder that
// was scanned or any file in it.
uint64_t DiskSpaceKB(DiskSpaceWhich which, const std::string& root);
