#include "support/sample_media.h"

#include "platform/cp932.h"
#include "support/mpeg1_builder.h"
#include "support/riff_builder.h"

namespace {

// The INFO list that the tag writer puts after idx1: title, comment and creator, CP932.
std::string InfoList(const std::string& title, const std::string& comment, const std::string& creator) {
  return ListChunk("INFO", Chunk("ISBJ", Utf8ToCp932(title) + '\0') +
                               Chunk("ICMT", Utf8ToCp932(comment) + '\0') +
                               Chunk("ICOP", Utf8ToCp932(creator) + '\0'));
}

// The RIFF size field must cover the INFO list that follows it, as the tag writer leaves it.
std::string WithInfoList(const std::string& avi, const std::string& info) {
  std::string tagged = avi + info;
  const uint32_t riff_size = static_cast<uint32_t>(tagged.size() - 8);
  tagged.replace(4, 4, Le32(riff_size));
  return tagged;
}

std::string DivxPcmAvi() {
  AviSpec spec;
  spec.width = 640;
  spec.height = 480;
  spec.handler = "DIV3";
  spec.rate = 25;
  spec.length = 25;
  spec.audio = {.format_tag = 1,
                .channels = 1,
                .samples_per_sec = 11025,
                .avg_bytes_per_sec = 11025,
                .block_align = 1,
                .bits_per_sample = 8,
                .size = 16};
  spec.movie_bytes = 3000;
  return WithInfoList(AviFile(spec), InfoList("夏の旅行", "合成したヘッダだけの見本", "Tessaroll"));
}

std::string IndeoAdpcmAvi() {
  AviSpec spec;
  spec.handler = "IV50";
  spec.scale = 1001;
  spec.rate = 30000;
  spec.length = 60;
  spec.audio = {.format_tag = 2,
                .channels = 1,
                .samples_per_sec = 22050,
                .avg_bytes_per_sec = 11155,
                .block_align = 512,
                .bits_per_sample = 4,
                .size = 50};
  spec.movie_bytes = 2000;
  return AviFile(spec);
}

std::string SilentMjpegAvi() {
  AviSpec spec;
  spec.width = 160;
  spec.height = 120;
  spec.handler = "MJPG";
  spec.rate = 15;
  spec.length = 45;
  spec.has_audio = false;
  spec.movie_bytes = 1500;
  return AviFile(spec);
}

std::string PcmWave() {
  WaveFormatSpec format;  // 44.1 kHz, 16-bit stereo
  return WaveFile(format, 4000);
}

std::string MpegSystemStream() {
  std::string stream =
      MpegPackHeader() + MpegSystemHeader() +
      MpegPacket(kMpegVideoStream, MpegSequenceHeaderBytes(352, 240, 4) + std::string(1500, '\0'), 1) +
      MpegPacket(kMpegAudioStream, MpegAudioFrameBytes(11, 0) + std::string(600, '\0'));
  return stream + MpegEndCode();
}

std::string Bytes(std::initializer_list<int> values) {
  std::string bytes;
  for (int value : values) bytes.push_back(static_cast<char>(value));
  return bytes;
}

std::string Be32(uint32_t value) {
  return Bytes({static_cast<int>(value >> 24), static_cast<int>(value >> 16) & 0xFF,
                static_cast<int>(value >> 8) & 0xFF, static_cast<int>(value & 0xFF)});
}

// The RealMedia file header object (".RMF", size 18, version 0, file version 0, two headers).
std::string RealMediaFile() {
  return ".RMF" + Be32(18) + Bytes({0, 0}) + Be32(0) + Be32(2) + std::string(1000, '\0');
}

// A QuickTime movie that begins with its movie atom, holding an empty movie header atom.
std::string QuickTimeMovie() {
  std::string mvhd = Be32(108) + "mvhd" + std::string(100, '\0');
  return Be32(static_cast<uint32_t>(8 + mvhd.size())) + "moov" + mvhd + Be32(1008) + "mdat" +
         std::string(1000, '\0');
}

// An ASF header object (its identifier as stored, 64-bit size, no sub-objects) and some data.
std::string AsfFile() {
  std::string header =
      Bytes({0x30, 0x26, 0xB2, 0x75, 0x8E, 0x66, 0xCF, 0x11, 0xA6, 0xD9, 0x00, 0xAA, 0x00, 0x62, 0xCE,
             0x6C, 30,   0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0x01, 0x02});
  return header + std::string(1000, '\0');
}

}  // namespace

std::vector<SampleFile> SampleMediaFiles() {
  return {
      {"夏の旅行.avi", DivxPcmAvi()},
      {"indeo_adpcm.avi", IndeoAdpcmAvi()},
      {"clips/silent_mjpeg.AVI", SilentMjpegAvi()},
      {"clips/system_stream.mpg", MpegSystemStream()},
      {"sound/pcm_stereo.wav", PcmWave()},
      {"other/real_media.rm", RealMediaFile()},
      {"other/quicktime.mov", QuickTimeMovie()},
      {"other/windows_media.asf", AsfFile()},
  };
}
