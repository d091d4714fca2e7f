#pragma once
// Whether an installed decoder can play a stream, asked only by the playback check. Answers are yes or
// no; codec names never come from here.
#include <cstdint>

struct DecoderQuery {
  // handler: a video FOURCC as stored in the file (first character in the lowest byte).
  bool (*has_video_decoder)(uint32_t handler);
  // format_tag: the wave format tag of an audio stream.
  bool (*has_audio_decoder)(uint16_t format_tag);
};

// The installed FFmpeg libraries: the code is mapped through libavformat's RIFF tag tables to a codec,
// and libavcodec is asked for a decoder of it. No mapping or no decoder means missing.
const DecoderQuery& InstalledDecoders();
