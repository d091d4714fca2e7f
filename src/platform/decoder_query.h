#pragma once
// Whether an installed decoder can play a stream, asked only by the playback check. Answers are yes or
// no; codec names never come from here.
#include <cstdint>

// libavcodec's answer for a codec id (an AVCodecID), the kinds read through libavformat.
bool HasInstalledCodecDecoder(int codec_id);

struct DecoderQuery {
  // handler: a video FOURCC as stored in the file (first character in the lowest byte).
  bool (*has_video_decoder)(uint32_t handler);
  // format_tag: the wave format tag of an audio stream.
  bool (*has_audio_decoder)(uint16_t format_tag);
  // codec_id: the codec libavformat names for a stream of a file read through it.
  bool (*has_codec_decoder)(int codec_id) = HasInstalledCodecDecoder;
};

// The installed FFmpeg libraries: the code is mapped through libavformat's RIFF tag tables to a codec,
// and libavcodec is asked for a decoder of it. No mapping or no decoder means missing.
const DecoderQuery& InstalledDecoders();
