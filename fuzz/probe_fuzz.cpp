// The container sniff and the probe of arbitrary bytes (RIFF AVI and WAVE, MPEG-1, the labelled
// containers): no crash, no hang, every field of the media info record at most 63 bytes and the check
// result 0 to 7.
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
const DecoderQuery kDecoders{HasVideoDecoder, HasAudioDecoder};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = FuzzFilePath("media");
  WriteFuzzFile(path, data, size);
  const int check = ProbeMediaFile(path, size % 2 == 1, kDecoders);
  const MediaInfoRecord& info = MediaInfo();
  for (const std::string* field : {&info.video_format, &info.audio_format, &info.video_rate, &info.audio_rate,
                                   &info.frame_rate, &info.picture_size, &info.play_time}) {
    if (field->size() > 63) {
      std::fprintf(stderr, "probe: a field of %zu bytes: %s\n", field->size(), field->c_str());
      std::abort();
    }
  }
  if (check < 0 || check > 7) {
    std::fprintf(stderr, "probe: check result %d\n", check);
    std::abort();
  }
  return 0;
}
