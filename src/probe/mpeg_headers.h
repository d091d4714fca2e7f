#pragma once
// The two headers of an MPEG-1 system stream that the catalogue shows (ISO/IEC 11172-1/-2/-3): the
// first video sequence header and the first Layer II audio frame header after the first audio packet.
// The stream is searched as the catalogue has always searched it, not parsed packet by packet:
//  - sequence header: byte pairs at even offsets from the start, until 0x01 0xB3;
//  - audio packet: a run of at least three bytes each 0x00 or 0x01 followed by 0xC0 (the stream id of
//    the first audio stream); the byte after it is passed over;
//  - audio frame: byte pairs from there until 0xFF 0xFC or 0xFF 0xFD (MPEG-1 Layer II, with or without
//    CRC), followed by the header's third byte.
// Each search goes on from where the one before stopped and ends at the end of the file.
#include <optional>

#include "probe/sequential_file_reader.h"

struct MpegSequenceHeader {
  int width = 0;
  int height = 0;
  int frame_rate_code = 0;
};

struct MpegAudioHeader {
  int bit_rate_index = 0;
  int sampling_code = 0;
};

struct MpegSystemHeaders {
  std::optional<MpegSequenceHeader> video;  // empty when not found or cut short by the file's end
  std::optional<MpegAudioHeader> audio;     // likewise; also empty when there is no sequence header
};

// Reads from the reader's position and stops just after the third byte of the audio frame header,
// or at the end of the file.
MpegSystemHeaders FindMpegSystemHeaders(SequentialFileReader& reader);

// "23.97" ... "60.00" for frame rate codes 1 to 8; nullptr for 0 and 9 to 15.
const char* MpegFrameRateText(int frame_rate_code);

// Layer II bit rate in kbit/s for indexes 1 to 15 (15, which the standard forbids, gives 0);
// nullopt for index 0, free format, whose bit rate the header does not tell.
std::optional<int> LayerTwoBitRateKbit(int bit_rate_index);

// Sampling frequency in tenths of a kHz (441, 480, 320) for codes 0 to 2; nullopt for the
// reserved code 3.
std::optional<int> MpegSamplingTenthsKhz(int sampling_code);
