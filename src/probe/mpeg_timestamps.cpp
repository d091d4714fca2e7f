#include "probe/mpeg_timestamps.h"

#include <algorithm>
#include <map>
#include <memory>
#include <string_view>

namespace {

// 90 kHz ticks of one video frame, by frame rate code (23.976, 24, 25, 29.97, 30, 50, 59.94, 60),
// truncated as the FFmpeg libraries do.
constexpr int64_t kVideoFrameTicks[] = {0, 3753, 3750, 3600, 3003, 3000, 1800, 1501, 1500};
// One Layer II frame of 1152 samples, by sampling code (44.1, 48, 32 kHz).
constexpr int64_t kAudioFrameTicks[] = {2351, 2160, 3240};

bool IsVideo(unsigned char id) {
  return id >= 0xE0 && id <= 0xEF;
}
bool IsAudio(unsigned char id) {
  return id >= 0xC0 && id <= 0xDF;
}

unsigned char At(std::string_view bytes, size_t i) {
  return static_cast<unsigned char>(bytes[i]);
}

// The time stamp of a packet header's five bytes at i, when their marker bits are set.
std::optional<int64_t> TimeStamp(std::string_view bytes, size_t i) {
  if (i + 5 > bytes.size() || !(At(bytes, i) & 1) || !(At(bytes, i + 2) & 1) || !(At(bytes, i + 4) & 1)) {
    return std::nullopt;
  }
  return int64_t{(At(bytes, i) >> 1) & 7} << 30 | int64_t{At(bytes, i + 1)} << 22 |
         int64_t{At(bytes, i + 2) >> 1} << 15 | int64_t{At(bytes, i + 3)} << 7 | At(bytes, i + 4) >> 1;
}

// The presentation time stamp of the packet whose header (after its length field) starts at i.
std::optional<int64_t> PacketTimeStamp(std::string_view bytes, size_t i, size_t end) {
  if (i < end && (At(bytes, i) & 0xC0) == 0x80) {  // MPEG-2 packet header
    if (i + 3 > end || !(At(bytes, i + 1) & 0x80)) return std::nullopt;
    return TimeStamp(bytes.substr(0, end), i + 3);
  }
  for (int stuffing = 0; i < end && At(bytes, i) == 0xFF && stuffing < 16; ++stuffing) ++i;
  if (i < end && (At(bytes, i) & 0xC0) == 0x40) i += 2;  // buffer size
  if (i >= end || (At(bytes, i) & 0xE0) != 0x20) return std::nullopt;
  return TimeStamp(bytes.substr(0, end), i);
}

// Calls found(stream id, time stamp) for each audio or video packet with a time stamp, walking from
// pack to packet; bytes that start no pack or packet are passed over one at a time, so a window that
// begins in the middle of a packet finds the next one.
template <typename Found>
void ForEachTimeStamp(std::string_view bytes, Found found) {
  size_t i = 0;
  while (bytes.size() - i >= 6) {
    if (At(bytes, i) != 0 || At(bytes, i + 1) != 0 || At(bytes, i + 2) != 1) {
      ++i;
      continue;
    }
    const unsigned char code = At(bytes, i + 3);
    if (code == 0xBA) {  // pack header: 12 bytes in MPEG-1, 14 and stuffing in MPEG-2
      i += (At(bytes, i + 4) & 0xC0) == 0x40 ? 14 : 12;
      continue;
    }
    if (code < 0xBB) {
      ++i;
      continue;
    }
    const size_t length = size_t{At(bytes, i + 4)} << 8 | At(bytes, i + 5);
    const size_t end = std::min(bytes.size(), i + 6 + length);
    if (IsVideo(code) || IsAudio(code)) {
      if (const std::optional<int64_t> stamp = PacketTimeStamp(bytes, i + 6, end)) found(code, *stamp);
    }
    i += 6 + length;
  }
}

// av_rescale_q from 90 kHz to microseconds: to the nearest, halves away from zero.
int64_t Microseconds(int64_t ticks) {
  return (ticks * 100 + 4) / 9;
}

// The video frame length by the sequence header's frame rate code: the headers' own when they have one,
// else the first sequence header anywhere in the head (the headers' search looks at every other byte
// only, and a short stream may carry a single sequence header where that search does not look).
int64_t VideoFrameTicks(const MpegSystemHeaders& headers, std::string_view head) {
  int code = headers.video ? headers.video->frame_rate_code : 0;
  if (!headers.video) {
    const size_t start = head.find(std::string_view("\0\0\x01\xB3", 4));
    if (start != std::string_view::npos && start + 7 < head.size()) code = At(head, start + 7) & 0x0F;
  }
  return code >= 1 && code <= 8 ? kVideoFrameTicks[code] : 0;
}

struct StreamStamps {
  std::optional<int64_t> first;
  std::optional<int64_t> last_end;
};

}  // namespace

std::optional<int64_t> MpegTimestampLengthMs(MediaFile& file, const MpegSystemHeaders& headers) {
  const int64_t audio_ticks =
      headers.audio && headers.audio->sampling_code >= 0 && headers.audio->sampling_code <= 2
          ? kAudioFrameTicks[headers.audio->sampling_code]
          : 0;
  const size_t window = static_cast<size_t>(std::min<uint64_t>(file.size(), kMpegTimestampWindow));
  const auto buffer = std::make_unique_for_overwrite<char[]>(window);
  std::map<unsigned char, StreamStamps> streams;
  std::string_view head = file.View(0, window, buffer.get());
  if (head.size() != window) return std::nullopt;
  const int64_t video_ticks = VideoFrameTicks(headers, head);
  ForEachTimeStamp(head, [&](unsigned char id, int64_t stamp) {
    StreamStamps& stream = streams[id];
    if (!stream.first) stream.first = stamp;
  });
  bool frame_length_unknown = false;
  // A file within one window is its own tail.
  const std::string_view tail =
      window == file.size() ? head : file.View(file.size() - window, window, buffer.get());
  if (tail.size() != window) return std::nullopt;
  ForEachTimeStamp(tail, [&](unsigned char id, int64_t stamp) {
    const int64_t frame = IsVideo(id) ? video_ticks : audio_ticks;
    if (frame == 0) frame_length_unknown = true;
    StreamStamps& stream = streams[id];
    stream.last_end = std::max(stream.last_end.value_or(stamp + frame), stamp + frame);
  });
  if (frame_length_unknown) return std::nullopt;

  std::optional<int64_t> start, end;
  for (const auto& [id, stream] : streams) {
    if (!stream.first) continue;
    const int64_t first = Microseconds(*stream.first);
    start = std::min(start.value_or(first), first);
    // A last packet stamped before the first means the 33-bit clock wrapped.
    if (stream.last_end && *stream.last_end <= *stream.first) return std::nullopt;
    if (stream.last_end) {
      const int64_t stream_end = first + Microseconds(*stream.last_end - *stream.first);
      end = std::max(end.value_or(stream_end), stream_end);
    }
  }
  if (!start || !end || *end <= *start) return std::nullopt;
  return (*end - *start) / 1000;
}
