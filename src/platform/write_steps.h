#pragma once
// The steps every write into a user's file shares: the one low-level write call (where tests inject
// faults), the refusals that come before anything is opened, and failures as results.
#include <sys/types.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/file_write.h"

// All of bytes written at offset (positioned) or at the descriptor's position; false with errno set.
bool WriteAll(int fd, std::string_view bytes, uint64_t offset, bool positioned);

// The failing step with the current errno.
WriteResult Failure(const char* what);

// A file made read-only is refused (errno EACCES), even though renaming over it would succeed, and
// even for root, who may write anything: clearing every write bit is how a user protects a file.
bool RefusedAsReadOnly(const std::string& path);

// A FIFO, device or folder at the path is never replaced by a file, nor read (which could wait for
// ever): EISDIR for a folder, EINVAL for the others.
bool RefusedAsNotRegular(const std::string& path);
