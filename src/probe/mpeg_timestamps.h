#pragma once
// The playing length of an MPEG-1 system stream from its own presentation timestamps, read from a
// bounded head and tail of the file: the length is the latest end of a stream's last packet (its time
// stamp plus one frame) less the earliest first time stamp of any stream, in the arithmetic of the FFmpeg
// libraries, so the answer equals theirs at a fraction of the cost.
#include <cstdint>
#include <optional>

#include "probe/media_file.h"
#include "probe/mpeg_headers.h"

// Bytes read at each end of the file.
constexpr size_t kMpegTimestampWindow = 256 * 1024;

// Milliseconds, truncated; nothing when the time stamps do not tell (none found, a stream whose frame
// length the headers do not give, a clock that wraps, a length that is not positive): then a full probe
// must answer.
std::optional<int64_t> MpegTimestampLengthMs(MediaFile& file, const MpegSystemHeaders& headers);
