#include "support/riff_builder.h"

std::string Le16(uint16_t value) {
  return {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
}

std::string Le32(uint32_t value) {
  return Le16(value & 0xFFFF) + Le16(value >> 16);
}

std::string RawChunk(std::string_view id, uint32_t declared_size, std::string_view data) {
  return std::string(id) + Le32(declared_size) + std::string(data);
}

std::string Chunk(std::string_view id, std::string_view data) {
  std::string bytes = RawChunk(id, static_cast<uint32_t>(data.size()), data);
  if (data.size() % 2 == 1) bytes += '\0';
  return bytes;
}

std::string ListChunk(std::string_view list_type, std::string_view children) {
  return Chunk("LIST", std::string(list_type) + std::string(children));
}

std::string RiffForm(std::string_view form_type, std::string_view children) {
  return Chunk("RIFF", std::string(form_type) + std::string(children));
}

std::string AviMainHeader(uint32_t width, uint32_t height) {
  return std::string(32, '\0') + Le32(width) + Le32(height) + std::string(16, '\0');
}

std::string StreamHeader(std::string_view type, std::string_view handler, uint32_t scale, uint32_t rate,
                         uint32_t length) {
  return std::string(type) + std::string(handler) + std::string(12, '\0') + Le32(scale) + Le32(rate) +
         Le32(0) + Le32(length) + std::string(20, '\0');
}

std::string WaveFormatData(const WaveFormatSpec& spec) {
  std::string data = Le16(spec.format_tag) + Le16(spec.channels) + Le32(spec.samples_per_sec) +
                     Le32(spec.avg_bytes_per_sec) + Le16(spec.block_align) + Le16(spec.bits_per_sample);
  data.resize(spec.size, '\0');
  return data;
}

std::string AviHeaderList(const AviSpec& spec) {
  std::string streams = ListChunk(
      "strl", Chunk("strh", StreamHeader("vids", spec.handler, spec.scale, spec.rate, spec.length)) +
                  Chunk("strf", std::string(40, '\0')));
  if (spec.has_audio) {
    streams += ListChunk("strl", Chunk("strh", StreamHeader("auds", std::string(4, '\0'), 1, 1, 0)) +
                                     Chunk("strf", WaveFormatData(spec.audio)));
  }
  return ListChunk("hdrl", Chunk("avih", AviMainHeader(spec.width, spec.height)) + streams);
}

std::string AviFile(const AviSpec& spec) {
  return RiffForm("AVI ", AviHeaderList(spec) + ListChunk("movi", std::string(spec.movie_bytes, '\0')) +
                              Chunk("idx1", std::string(16, '\0')));
}

std::string SparseAviHead(const AviSpec& spec, uint32_t file_size) {
  std::string head = "AVI " + AviHeaderList(spec);
  const uint32_t movi_size = file_size - 8 - static_cast<uint32_t>(head.size()) - 8;
  return RawChunk("RIFF", file_size - 8, head + RawChunk("LIST", movi_size, "movi"));
}

std::string WaveFile(const WaveFormatSpec& format, uint32_t data_bytes) {
  return RiffForm("WAVE",
                  Chunk("fmt ", WaveFormatData(format)) + Chunk("data", std::string(data_bytes, '\0')));
}
