#include "probe/container_sniff.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "support/temp_dir.h"

namespace {

using namespace std::string_literals;

TEST(SniffContainer, DecidesByTheFirstEightBytesInOrder) {
  struct Case {
    const char* what;
    std::string bytes;
    ContainerType expected;
  };
  const Case cases[] = {
      {"RIFF", "RIFF\x24\0\0\0AVI "s, kContainerRiff},
      {"RIFF before the MPEG-1 byte", "RIFF\x21\0\0\0"s, kContainerRiff},
      {"RealMedia", ".RMF\0\0\0\x12"s, kContainerRealMedia},
      {"RealMedia before the MPEG-1 byte", ".RMF\x21\0\0\0"s, kContainerRealMedia},
      {"MPEG-1 pack", "\0\0\x01\xBA\x21\0\x01\0"s, kContainerMpeg1},
      {"MPEG-1 byte without start code", "abcd\x21xyz"s, kContainerMpeg1},
      {"MPEG-2 pack", "\0\0\x01\xBA\x44\0\x04\0"s, kContainerMpeg2},
      {"QuickTime moov", "\0\0\x10\0moov"s, kContainerQuickTime},
      {"QuickTime wide", "\0\0\0\x08wide"s, kContainerQuickTime},
      {"QuickTime ftyp", "\0\0\0 ftypqt  "s, kContainerQuickTime},
      {"QuickTime mdat first", "\0\0\0\x08mdat"s, kContainerUnknown},
      {"ASF", "\x30\x26\xB2\x75\x8E\x66\xCF\x11\xA6\xD9"s, kContainerAsf},
      {"ASF identifier one byte off", "\x30\x26\xB2\x75\x8E\x66\xCF\x12"s, kContainerUnknown},
      {"lower-case riff", "riff\0\0\0\0"s, kContainerUnknown},
      {"seven bytes", "\0\0\0\0moo"s, kContainerUnknown},
      {"only RIFF", "RIFF"s, kContainerRiff},
      {"empty", ""s, kContainerUnknown},
  };
  TempDir dir;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(SniffContainer(dir.Write("f.bin", c.bytes)), c.expected);
  }
}

TEST(SniffContainer, UnopenableIsUnknown) {
  TempDir dir;
  EXPECT_EQ(SniffContainer(dir.path() + "/missing.avi"), kContainerUnknown);
  EXPECT_EQ(SniffContainer(dir.path()), kContainerUnknown);
  // A pipe with no writer is not waited on.
  const std::string pipe = dir.path() + "/p.avi";
  ASSERT_EQ(0, mkfifo(pipe.c_str(), 0600));
  EXPECT_EQ(SniffContainer(pipe), kContainerUnknown);
}

}  // namespace
