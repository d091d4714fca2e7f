#include "platform/media_length.h"

#include "platform/av_library.h"

namespace {

// An MPEG-1 system stream interleaves its streams pack by pack, so every stream has shown itself, with
// its first time stamp, long before 64 KB; analysing more (by default up to 5 MB or 7 seconds, with
// frames decoded all the way) changes nothing but the cost. The length itself comes from the last
// time stamps, which the libraries read at the file's end whatever this limit is.
constexpr const char* kMpegAnalysedBytes = "65536";

int64_t LengthMs(const std::string& path, const AVInputFormat* format, const char* analysed_bytes) {
  // The "file:" prefix keeps a colon in the name from being taken for a protocol, and the white
  // list keeps a playlist-like file from making the libraries open anything but local files.
  const std::string url = "file:" + path;
  AVDictionary* options = nullptr;
  AvLibrary()->av_dict_set(&options, "protocol_whitelist", "file", 0);
  if (analysed_bytes) AvLibrary()->av_dict_set(&options, "probesize", analysed_bytes, 0);
  AVFormatContext* context = nullptr;
  const int opened = AvLibrary()->avformat_open_input(&context, url.c_str(), format, &options);
  AvLibrary()->av_dict_free(&options);
  if (opened < 0) return 0;
  int64_t length_ms = 0;
  if (AvLibrary()->avformat_find_stream_info(context, nullptr) >= 0 && context->duration != AV_NOPTS_VALUE &&
      context->duration > 0) {
    length_ms = context->duration / (AV_TIME_BASE / 1000);
  }
  AvLibrary()->avformat_close_input(&context);
  return length_ms;
}

}  // namespace

int64_t PlayingLengthMs(const std::string& path) {
  if (!AvLibrary()) return 0;
  return LengthMs(path, nullptr, nullptr);
}

int64_t MpegPlayingLengthMs(const std::string& path) {
  // Named, the format is not guessed by trying every demuxer on the file's first bytes.
  if (!AvLibrary()) return 0;
  return LengthMs(path, AvLibrary()->av_find_input_format("mpeg"), kMpegAnalysedBytes);
}
