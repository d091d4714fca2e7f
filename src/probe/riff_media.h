#pragma once
// The reader of RIFF files: AVI and WAVE.
#include <string>

#include "platform/decoder_query.h"
#include "probe/media_file.h"

// Fills the media info record (probe/media_info.h), which the caller has emptied, from the file's
// header chunks; the movie data is
// never read. The first stream list is taken as video and the second as audio, whatever their types.
// Reads MPG4RATE from the settings record. Fields that would need a missing or truncated chunk, or a
// division by zero, stay empty; another RIFF form, or no RIFF chunk that fits in the file, leaves the
// whole record empty.
// Returns the check result: 0 when check_mode is off or the form is neither AVI nor WAVE; otherwise, for
// an AVI the sum of kVideoDecoderMissing, kAudioDecoderMissing and kNoAudioStream, for a WAVE file
// kWaveAudioPlayable or kWaveAudioMissing (probe/probe_media_file.h). A stream whose codec cannot be
// read counts as having no decoder.
// The video rate is in kbit when mpeg4_rate (MPG4RATE 1), else in KB.
int ReadRiffMedia(const std::string& path, bool check_mode, const DecoderQuery& decoders, bool mpeg4_rate);
// The same on a file the caller has opened.
int ReadRiffMedia(MediaFile& file, bool check_mode, const DecoderQuery& decoders, bool mpeg4_rate);
