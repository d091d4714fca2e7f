#include "probe/mpeg_headers.h"

#include <array>
#include <cstdint>

namespace {

bool FindSequenceStartCode(SequentialFileReader& reader) {
  return reader.ReadPairsUntil([](uint8_t first, uint8_t second) { return first == 0x01 && second == 0xB3; });
}

std::optional<MpegSequenceHeader> ReadSequenceHeader(SequentialFileReader& reader) {
  std::array<uint8_t, 4> h{};
  for (uint8_t& byte : h) {
    if (!reader.ReadByte(&byte)) return std::nullopt;
  }
  MpegSequenceHeader header;
  header.width = h[0] * 16 + h[1] / 16;
  header.height = (h[1] % 16) * 256 + h[2];
  header.frame_rate_code = h[3] % 16;
  return header;
}

// Stops just after the 0xC0 that ends a start code prefix (00 00 01, or longer runs of such bytes).
bool FindAudioPacket(SequentialFileReader& reader) {
  int run = 0;
  return reader.ReadBytesUntil([&run](uint8_t byte) {
    if (byte == 0x00 || byte == 0x01) {
      // Only "three or more" matters; holding the count there keeps a huge zero-filled file from
      // overflowing it.
      if (run < 3) ++run;
      return false;
    }
    if (byte == 0xC0 && run >= 3) return true;
    run = 0;
    return false;
  });
}

bool FindLayerTwoSync(SequentialFileReader& reader) {
  return reader.ReadPairsUntil(
      [](uint8_t first, uint8_t second) { return first == 0xFF && (second == 0xFC || second == 0xFD); });
}

}  // namespace

MpegSystemHeaders FindMpegSystemHeaders(SequentialFileReader& reader) {
  MpegSystemHeaders found;
  if (!FindSequenceStartCode(reader)) return found;
  found.video = ReadSequenceHeader(reader);
  if (!found.video || !FindAudioPacket(reader)) return found;
  uint8_t ignored, b3;
  if (!reader.ReadByte(&ignored) || !FindLayerTwoSync(reader) || !reader.ReadByte(&b3)) return found;
  found.audio = MpegAudioHeader{b3 / 16, (b3 / 4) % 4};
  return found;
}

const char* MpegFrameRateText(int frame_rate_code) {
  static constexpr std::array<const char*, 9> kTexts = {nullptr, "23.97", "24.00", "25.00", "29.97",
                                                        "30.00", "50.00", "59.94", "60.00"};
  if (frame_rate_code < 0 || frame_rate_code >= static_cast<int>(kTexts.size())) return nullptr;
  return kTexts[frame_rate_code];
}

std::optional<int> LayerTwoBitRateKbit(int bit_rate_index) {
  static constexpr std::array<int, 16> kKbit = {0,   32,  48,  56,  64,  80,  96,  112,
                                                128, 160, 192, 224, 256, 320, 384, 0};
  if (bit_rate_index < 1 || bit_rate_index >= static_cast<int>(kKbit.size())) return std::nullopt;
  return kKbit[bit_rate_index];
}

std::optional<int> MpegSamplingTenthsKhz(int sampling_code) {
  static constexpr std::array<int, 3> kTenths = {441, 480, 320};
  if (sampling_code < 0 || sampling_code >= static_cast<int>(kTenths.size())) return std::nullopt;
  return kTenths[sampling_code];
}
