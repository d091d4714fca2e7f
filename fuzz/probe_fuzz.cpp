// The container sniff and the probe of arbitrary bytes (RIFF AVI and WAVE, MPEG-1, the labelled
// containers), and the same bytes under a name of a kind read through libavformat: no crash, no hang,
// every field of the media info record at most 63 bytes (the container tags 255) and the check result
// 0 to 7.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz_file.h"
#include "probe/media_info.h"
#include "probe/probe_media_file.h"

namespace {

// Fixed answers keep the fuzzer in the readers rather than in the decoder libraries.
bool HasVideoDecoder(uint32_t handler) {
  return handler % 2 == 0;
}
bool HasAudioDecoder(uint16_t format_tag) {
  return format_tag % 2 == 1;
}
bool HasCodecDecoder(int codec_id) {
  return codec_id % 3 != 0;
}
const DecoderQuery kDecoders{HasVideoDecoder, HasAudioDecoder, HasCodecDecoder};

// One name of each kind read through libavformat; the extension is only a hint to its format probe.
const char* const kModernNames[] = {"media.mp4", "media.mkv", "media.ts", "media.flv",
                                    "media.ogg", "media.mp3", "media.wma"};

void ProbeAndCheck(const std::string& path, size_t size) {
  const int check = ProbeMediaFile(path, size % 2 == 1, kDecoders);
  const MediaInfoRecord& info = MediaInfo();
  for (const std::string* field : MediaTexts(info)) {
    if (field->size() > 63) {
      std::fprintf(stderr, "probe: a field of %zu bytes: %s\n", field->size(), field->c_str());
      std::abort();
    }
  }
  for (const std::string* tag : {&info.title, &info.creator, &info.comment}) {
    if (tag->size() > 255) {
      std::fprintf(stderr, "probe: a tag of %zu bytes\n", tag->size());
      std::abort();
    }
  }
  if (check < 0 || check > 7) {
    std::fprintf(stderr, "probe: check result %d\n", check);
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  for (const std::string path : {FuzzFilePath("media"), FuzzFilePath(kModernNames[size % 7])}) {
    WriteFuzzFile(path, data, size);
    ProbeAndCheck(path, size);
  }
  return 0;
}
