#pragma once
// The figures libavformat gives for a file, and the media info record's texts and check result drawn
// from them. Kept apart from the libraries so each guard can be tried with hostile figures.
#include <cstdint>
#include <optional>

#include "platform/decoder_query.h"

struct AvStreamFigures {
  int codec_id = 0;                // an AVCodecID
  int64_t bit_rate = 0;            // bit/s; 0 or less is unknown
  int width = 0, height = 0;       // video; 0 or less is unknown
  int rate_num = 0, rate_den = 0;  // video frames per second; unknown unless both are positive
  int sample_rate = 0;             // audio, Hz; 0 or less is unknown
};

struct AvMediaFigures {
  bool opened = false;                          // the libraries recognised the file and read its streams
  std::optional<AvStreamFigures> video, audio;  // the first stream of each kind
  int64_t duration_us = -1;                     // negative is unknown
  int64_t bit_rate = 0;                         // the whole file's, bit/s; 0 or less is unknown
};

// Sets the seven fields: codec names (probe/modern_codec_names.h), "音声なし" for a video without
// sound, "%dkbit", "%.2fkHz/%dkbit" (only "%.2fkHz" when the sound's bit rate is unknown), "%.2f",
// "%dx%d" and the playing time of the whole seconds. A stream without its own bit rate is given the
// file's less the other stream's, when that one is known or absent. Unknown figures leave their
// fields empty. The other fields of the record are left as they are.
void FillAvMediaFields(const AvMediaFigures& figures);

// The check result of the file's streams: +1 no video decoder, +2 no audio decoder, +4 no sound; 6 or 7
// for sound alone (a decoder or none), as for WAVE files; 3 when there is nothing to play at all.
int AvCheckResult(const AvMediaFigures& figures, const DecoderQuery& decoders);
