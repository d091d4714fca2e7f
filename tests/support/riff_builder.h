#pragma once
// Byte builders for RIFF test files (AVI, WAVE, any form). Each function returns the bytes of one
// piece; concatenate pieces to nest them. Sizes are written little-endian and computed from the
// content unless a function says otherwise. Damage a file by cutting the result (bytes.substr) or by
// declaring a size that does not match (RawChunk).
//
//   std::string avi = RiffForm("AVI ", ListChunk("hdrl", Chunk("avih", AviMainHeader(320, 240)) +
//                                                         ListChunk("strl", Chunk("strh", ...))) +
//                                      ListChunk("movi", ""));
#include <cstdint>
#include <string>
#include <string_view>

// Little-endian integers.
std::string Le16(uint16_t value);
std::string Le32(uint32_t value);

// id (4 characters), size of data, data, and a zero pad byte when the size is odd.
std::string Chunk(std::string_view id, std::string_view data);
// id and a declared size that need not match data; no pad byte is added.
std::string RawChunk(std::string_view id, uint32_t declared_size, std::string_view data);
// "LIST", size, list type, then the children (already built chunks).
std::string ListChunk(std::string_view list_type, std::string_view children);
// "RIFF", size, form type, then the children: a whole RIFF file.
std::string RiffForm(std::string_view form_type, std::string_view children);

// The 56-byte data of a main AVI header ("avih") with the picture size; other fields zero.
std::string AviMainHeader(uint32_t width, uint32_t height);
// The 56-byte data of a stream header ("strh"): type ("vids", "auds"), handler FOURCC, scale, rate and
// length; other fields zero.
std::string StreamHeader(std::string_view type, std::string_view handler, uint32_t scale, uint32_t rate,
                         uint32_t length);

struct WaveFormatSpec {
  uint16_t format_tag = 1;
  uint16_t channels = 2;
  uint32_t samples_per_sec = 44100;
  uint32_t avg_bytes_per_sec = 176400;
  uint16_t block_align = 4;
  uint16_t bits_per_sample = 16;
  uint32_t size = 16;  // bytes of the format data: 16 for plain PCM, 18 with cbSize, 30 for MP3 ...
};
// The data of a wave format ("fmt " or audio "strf"), cut or zero-filled to spec.size bytes.
std::string WaveFormatData(const WaveFormatSpec& spec);

struct AviSpec {
  uint32_t width = 320, height = 240;
  std::string handler = "DIV3";
  uint32_t scale = 1, rate = 25, length = 250;
  bool has_audio = true;
  WaveFormatSpec audio;
  uint32_t movie_bytes = 0;  // size of the (zero-filled) "movi" list's content
};
// The "hdrl" list: avih, the video stream list (strh, strf) and, with audio, the audio stream list.
std::string AviHeaderList(const AviSpec& spec);
// A whole AVI in memory: RIFF "AVI " with hdrl, movi and idx1.
std::string AviFile(const AviSpec& spec);
// The head of an AVI whose movi list is the last chunk and ends at file_size: RIFF and movi declare the
// sizes of the whole file, but the returned bytes stop where movi's content starts. Write them and
// extend the file to file_size (std::filesystem::resize_file) to get a large sparse AVI cheaply.
std::string SparseAviHead(const AviSpec& spec, uint32_t file_size);
// A WAVE file: "fmt " and a zero-filled "data" chunk of data_bytes.
std::string WaveFile(const WaveFormatSpec& format, uint32_t data_bytes);
