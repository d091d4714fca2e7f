#include "probe/wave_format.h"

#include <string>

#include "probe/codec_names.h"
#include "probe/number_text.h"
#include "probe/riff_fields.h"

namespace {

constexpr int64_t kBitRateThreshold = 1000;

}  // namespace

WaveFormat ReadWaveFormat(RiffReader& reader, const RiffChunk& chunk) {
  // Only the first 16 bytes carry fields used here; the rest of the chunk counts by its size alone.
  RiffFields fields = ReadRiffFields(reader, chunk, 16);
  WaveFormat format;
  format.format_size = chunk.size;
  format.format_tag = fields.U16(0);
  format.samples_per_sec = fields.U32(4);
  format.avg_bytes_per_sec = fields.U32(8);
  format.bits_per_sample = fields.U16(14);
  return format;
}

std::string WaveFormatName(const WaveFormat& format) {
  // A chunk too short to hold its tag is smaller than every table entry, so its name is unknown anyway.
  return AudioCodecName(static_cast<int32_t>(format.format_size), format.format_tag.value_or(0));
}

std::optional<int64_t> AudioFigure(const WaveFormat& format) {
  if (!format.bits_per_sample) return std::nullopt;
  if (*format.bits_per_sample != 0) return *format.bits_per_sample;
  // 64-bit, so a hostile byte rate cannot wrap into a negative figure.
  return static_cast<int64_t>(*format.avg_bytes_per_sec) * 8;
}

std::optional<int64_t> AudioFigureShown(const WaveFormat& format) {
  std::optional<int64_t> figure = AudioFigure(format);
  if (!figure) return std::nullopt;
  return *figure >= kBitRateThreshold ? *figure / 1000 : *figure;
}

std::string AudioRateText(const WaveFormat& format) {
  std::optional<int64_t> figure = AudioFigure(format);
  if (!figure || !format.samples_per_sec) return "";
  const std::string khz = FixedText(*format.samples_per_sec / 1000.0, 2) + "kHz/";
  if (*figure >= kBitRateThreshold) return khz + std::to_string(*figure / 1000) + "kbit";
  return khz + std::to_string(*figure) + "bit";
}
