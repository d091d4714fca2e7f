#pragma once
// Opening a file for reading that may turn out to be something else: a FIFO, a device node or a folder
// can stand where a media file is expected (x.avi made with mkfifo), and opening or reading such a
// thing could wait for ever.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/file_descriptor.h"

// A read-only descriptor of path when it is a regular file (a symbolic link is followed), else none with
// errno set: the open's own errno, EISDIR for a folder, EINVAL for any other kind. The open never
// blocks. With length given, the file's length is stored there.
FileDescriptor OpenRegularFile(const std::string& path, uint64_t* length = nullptr);
// The same for the name in the folder open as folder_fd (AT_FDCWD: path is taken as it stands).
FileDescriptor OpenRegularFileAt(int folder_fd, const std::string& path, uint64_t* length = nullptr);

// Up to count bytes of the descriptor's file from offset into out: fewer only when the file ends first
// (errno EIO) or a read fails (errno set). Returns how many were read.
size_t ReadUpTo(int fd, uint64_t offset, char* out, size_t count);

// Exactly size bytes of the descriptor's file from offset into out; false with errno set when they
// cannot all be read (EIO when the file ends before).
bool ReadExactlyAt(int fd, uint64_t offset, size_t size, std::string& out);

// All of bytes into the descriptor's file from offset; false with errno set when they cannot all be
// written.
bool WriteExactlyAt(int fd, uint64_t offset, std::string_view bytes);
