#pragma once
// Byte builders for MPEG-1 system streams (ISO/IEC 11172) in reader tests. Each function returns the
// bytes of one structure; a test concatenates them in the order it needs and writes the result with
// TempDir::Write. Only what a reader looks at is filled in truthfully: time stamps are zero and rates
// are placeholders, and no builder emits the byte pairs 01 B3 or FF FC/FD by accident (only a packet
// whose length field happens to read 01 B3 would).
//
//   std::string stream = MpegPackHeader() + MpegSystemHeader() +                     // 30 bytes
//                        MpegPacket(kMpegVideoStream, MpegSequenceHeaderBytes(352, 240, 4), 1) +
//                        MpegPacket(kMpegAudioStream, MpegAudioFrameBytes(11, 0));
//
// Alignment matters to the MPEG-1 reader, which looks at byte pairs:
// - the sequence header search takes pairs at even file offsets, so the 00 00 01 B3 of a payload is
//   found only when the payload starts at an even offset (a packet at an even offset needs odd
//   stuffing for that: 7 header bytes + 1 stuffing byte in the example);
// - the audio frame search takes pairs from two bytes after the 0xC0 stream id, so the FF FD of a
//   payload is found only when the packet has even stuffing (0 in the example), wherever it starts.
#include <cstdint>
#include <string>

inline constexpr uint8_t kMpegAudioStream = 0xC0;
inline constexpr uint8_t kMpegVideoStream = 0xE0;

// Pack header, 12 bytes: 00 00 01 BA, then 0x21 (so byte 4 of a file starting with it is 0x21).
std::string MpegPackHeader();

// System header with one audio and one video stream, 18 bytes: 00 00 01 BB ...
std::string MpegSystemHeader();

// Packet: 00 00 01 stream_id, 16-bit length, `stuffing` bytes 0xFF, 0x0F (no time stamps), payload;
// 7 + stuffing + payload bytes long (stuffing at most 16, payload at most 65000 bytes).
std::string MpegPacket(uint8_t stream_id, const std::string& payload, int stuffing = 0);

// Video sequence header, 12 bytes: 00 00 01 B3, width and height (12 bits each), aspect ratio code 1
// with the frame rate code (4 bits), then a variable bit rate and no quantiser matrices.
std::string MpegSequenceHeaderBytes(int width, int height, int frame_rate_code);

// MPEG-1 Layer II audio frame header, 4 bytes: FF FD (FF FC with_crc), then the bit-rate index
// (4 bits), the sampling-frequency code (2 bits) and zero bits, then a stereo mode byte.
std::string MpegAudioFrameBytes(int bit_rate_index, int sampling_code, bool with_crc = false);

// Program end code: 00 00 01 B9.
std::string MpegEndCode();
