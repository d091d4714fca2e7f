#pragma once
// The container sniff: names a file's container from its first eight bytes alone.
#include <string>
#include <string_view>

enum ContainerType {
  kContainerUnknown = 0,  // not recognised, cannot be opened, or too short for the bytes tested
  kContainerRiff = 1,     // RIFF file (AVI or WAVE)
  kContainerRealMedia = 2,
  kContainerMpeg1 = 3,  // MPEG-1 system stream
  kContainerMpeg2 = 4,  // MPEG-2 program stream: recognised, never read
  kContainerQuickTime = 5,
  kContainerAsf = 6,
};

// Reads the first bytes of the file and closes it in every case; anything but a regular file is not
// read and is unknown. A byte missing because the file is short matches nothing.
ContainerType SniffContainer(const std::string& path);

// The same from the file's first bytes (only the first eight are looked at).
ContainerType SniffContainerBytes(std::string_view first_bytes);
