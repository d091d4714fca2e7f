#include "platform/media_length.h"

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/dict.h>
#include <libavutil/log.h>
}

namespace {

// The libraries' warnings about damaged or odd files would reach the terminal; nothing about a
// file's length is reported to the user, so they are held back for the duration of one question.
class QuietLibraryLog {
 public:
  QuietLibraryLog() : saved_level_(av_log_get_level()) { av_log_set_level(AV_LOG_QUIET); }
  ~QuietLibraryLog() { av_log_set_level(saved_level_); }
  QuietLibraryLog(const QuietLibraryLog&) = delete;
  QuietLibraryLog& operator=(const QuietLibraryLog&) = delete;

 private:
  int saved_level_;
};

}  // namespace

int64_t PlayingLengthMs(const std::string& path) {
  // The "file:" prefix keeps a colon in the name from being taken for a protocol, and the white
  // list keeps a playlist-like file from making the libraries open anything but local files.
  const std::string url = "file:" + path;
  const QuietLibraryLog quiet;
  AVDictionary* options = nullptr;
  av_dict_set(&options, "protocol_whitelist", "file", 0);
  AVFormatContext* context = nullptr;
  const int opened = avformat_open_input(&context, url.c_str(), nullptr, &options);
  av_dict_free(&options);
  if (opened < 0) return 0;
  int64_t length_ms = 0;
  if (avformat_find_stream_info(context, nullptr) >= 0 && context->duration != AV_NOPTS_VALUE &&
      context->duration > 0) {
    length_ms = context->duration / (AV_TIME_BASE / 1000);
  }
  avformat_close_input(&context);
  return length_ms;
}
