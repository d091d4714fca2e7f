#pragma once
// The wave format of an audio stream (an AVI's second "strf" chunk or a WAVE file's "fmt " chunk) and
// the figures drawn from it. A field that lies beyond a short chunk has no value, and nor does any
// figure that needs it.
#include <cstdint>
#include <optional>
#include <string>

#include "probe/riff_reader.h"

struct WaveFormat {
  uint32_t format_size = 0;  // the chunk's size field: with the tag it names the codec
  std::optional<uint16_t> format_tag;
  std::optional<uint32_t> samples_per_sec;
  std::optional<uint32_t> avg_bytes_per_sec;
  std::optional<uint16_t> bits_per_sample;
};

// Reads the fields of the format chunk at the reader's position (its data start).
WaveFormat ReadWaveFormat(RiffReader& reader, const RiffChunk& chunk);

// The codec name from the built-in table.
std::string WaveFormatName(const WaveFormat& format);

// The audio figure: the sample width in bits, or, when that is 0, the bit rate (bytes per second x 8).
// 1000 or more is a bit rate in bit/s, less is a sample width in bits.
std::optional<int64_t> AudioFigure(const WaveFormat& format);

// The number the audio rate shows after its slash: kbit for a bit rate, bits for a sample width.
std::optional<int64_t> AudioFigureShown(const WaveFormat& format);

// "44.10kHz/128kbit" or "22.05kHz/16bit"; empty when a figure is missing.
std::string AudioRateText(const WaveFormat& format);
