#pragma once
// The probe driver: fills the media info record (probe/media_info.h) from a file's headers.
#include <string>

#include "platform/decoder_query.h"

class MediaFile;

// The settings the readers follow, taken on the thread that owns the settings record and the column
// state, so that files can be probed on other threads while that thread goes on.
struct ProbeOptions {
  bool mpeg_play_time = true;        // MPGTIME 1: MPEG-1 files get a playing time
  bool mpeg_play_time_shown = true;  // the playing-time column is shown (else it is not worked out)
  bool mpeg4_rate = true;            // MPG4RATE 1: an AVI's video rate in kbit, else in KB
};
// The options of the settings record and column state of now.
ProbeOptions CurrentProbeOptions();

// Check results: a sum of these for AVI files, 6 or 7 for WAVE files, 0 in every other case and
// whenever check mode is off.
constexpr int kVideoDecoderMissing = 1;
constexpr int kAudioDecoderMissing = 2;
constexpr int kNoAudioStream = 4;
constexpr int kWaveAudioPlayable = 6;
constexpr int kWaveAudioMissing = 7;

// Empties the record, sniffs the container from the content (not the name) and runs its reader. In
// check mode RIFF files are also tested for decoders, asking decoders (tests give fixed answers).
// Returns the check result. Never fails: an unreadable or unrecognised file leaves the record empty
// and gives 0. A name with the extension of a kind read through libavformat (probe/modern_media_name.h)
// goes to that reader instead, which fills the container tags too and tests its streams' decoders in
// check mode.
int ProbeMediaFile(const std::string& path, bool check_mode,
                   const DecoderQuery& decoders = InstalledDecoders());

// The same on a file the caller has opened from path (probe/media_file.h), so a caller that reads the
// file too opens it only once. The path is handed to services that open the file themselves.
int ProbeMediaFile(MediaFile& file, const std::string& path, bool check_mode,
                   const DecoderQuery& decoders = InstalledDecoders(),
                   const ProbeOptions& options = CurrentProbeOptions());
