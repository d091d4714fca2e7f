// Damaged, random and hostile files under the names of the kinds read through libavformat: empty
// fields where nothing can be told, never a crash, a hang or a read without end.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "probe/media_file.h"
#include "probe/media_info.h"
#include "probe/probe_media_file.h"
#include "support/media_fields.h"
#include "support/temp_dir.h"

namespace {

using namespace std::string_literals;

const std::string kData = std::string(TESSAROLL_SOURCE_DIR) + "/tests/data/";
const std::vector<std::string> kEmpty(7);

void ExpectBounded() {
  for (const std::string& field : MediaInfoFields()) EXPECT_LE(field.size(), 63u);
}

TEST(AvMediaHostile, TruncatedFilesOfEachKind) {
  TempDir dir;
  for (const char* name : {"h264_aac.mp4", "h264_aac_faststart.mp4", "vp9_opus.mkv", "av1_opus.webm",
                           "h264_mp2.ts", "flv1_mp3.flv", "theora_vorbis.ogv", "opus.opus", "mp3_cover.mp3",
                           "flac.flac", "aac.m4a", "wmv2_wmav2.wmv"}) {
    const std::string whole = ReadWholeFile(kData + name);
    for (size_t length : {size_t{0}, size_t{1}, size_t{7}, size_t{40}, whole.size() / 2, whole.size() - 1}) {
      SCOPED_TRACE(std::string(name) + " cut to " + std::to_string(length));
      const std::string path = dir.Write(std::to_string(length) + name, whole.substr(0, length));
      ProbeMediaFile(path, true);
      ExpectBounded();
      // Too short for any header: nothing is told.
      if (length <= 40) {
        EXPECT_EQ(MediaInfoFields(), kEmpty);
      }
    }
  }
  // The index of this MP4 is at its end: without it nothing is known.
  const std::string mp4 = ReadWholeFile(kData + "h264_aac.mp4");
  ProbeMediaFile(dir.Write("cut.mp4", mp4.substr(0, mp4.size() - 600)), false);
  EXPECT_EQ(MediaInfoFields(), kEmpty);
}

// Random bytes after each kind's signature, under each kind's names.
TEST(AvMediaHostile, RandomFilesAreSafe) {
  const std::string signatures[] = {
      "\0\0\0\x18"
      "ftypisom"s,
      "\x1A\x45\xDF\xA3"s,
      "\x47\x40\x00\x10"s,
      "FLV\x01\x05"s,
      "OggS\0\x02"s,
      "ID3\x03\0"s,
      "fLaC\0\0\0\x22"s,
      "\x30\x26\xB2\x75\x8E\x66\xCF\x11"s,
      ""s};
  const char* names[] = {"r.mp4", "r.mkv", "r.ts", "r.flv", "r.ogg", "r.mp3", "r.flac", "r.wma", "r.aac"};
  TempDir dir;
  std::mt19937 random(11);
  for (int round = 0; round < 450; ++round) {
    std::string bytes = signatures[round % std::size(signatures)];
    for (size_t length = random() % 3000; length > 0; --length) bytes += static_cast<char>(random());
    const std::string name = names[round / std::size(signatures) % std::size(names)];
    std::filesystem::remove(dir.path() + "/" + name);
    const int check = ProbeMediaFile(dir.Write(name, bytes), true);
    ExpectBounded();
    EXPECT_GE(check, 0);
    EXPECT_LE(check, 7);
  }
}

// Content that libavformat would follow to other files (a playlist, a concatenation list) is not
// read at all; nor is a FIFO, a device or a folder under such a name, and nothing to play is shown as
// such by the check.
TEST(AvMediaHostile, NothingElseIsOpened) {
  TempDir dir;
  const std::string fifo = dir.path() + "/x.mkv";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
  std::filesystem::create_symlink("/dev/zero", dir.path() + "/y.ts");
  std::filesystem::create_directory(dir.path() + "/z.mp4");
  const std::string paths[] = {
      fifo,
      dir.path() + "/y.ts",
      dir.path() + "/z.mp4",
      dir.Write("list.mp4", "#EXTM3U\n#EXT-X-TARGETDURATION:1\n#EXTINF:1,\n" + kData + "h264_mp2.ts\n"),
      dir.Write("list.mkv", "ffconcat version 1.0\nfile " + kData + "vp9_opus.mkv\n"),
  };
  for (const std::string& path : paths) {
    SCOPED_TRACE(path);
    EXPECT_EQ(ProbeMediaFile(path, true), kVideoDecoderMissing + kAudioDecoderMissing);
    EXPECT_EQ(MediaInfoFields(), kEmpty);
  }
}

// A stream whose first packets promise a video and whose rest is 100 MB of nothing: the libraries'
// hunt for time stamps stops at the read budget.
TEST(AvMediaHostile, EndlessSearchStopsAtTheBudget) {
  TempDir dir;
  const std::string path = dir.path() + "/hole.ts";
  {
    const std::string head = ReadWholeFile(kData + "h264_mp2.ts").substr(0, 188 * 20);
    std::ofstream out(path, std::ios::binary);
    out << head;
    out.seekp(100 << 20);
    out << '\0';
  }
  MediaFile file(path);
  ProbeMediaFile(file, path, false);
  ExpectBounded();
  EXPECT_LE(file.bytes_read(), 16u << 20);
}

}  // namespace
