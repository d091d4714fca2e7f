#include "support/mpeg1_builder.h"

namespace {

std::string Bytes(std::initializer_list<int> values) {
  std::string bytes;
  for (int value : values) bytes.push_back(static_cast<char>(value));
  return bytes;
}

}  // namespace

std::string MpegPackHeader() {
  // System clock reference 0 and mux rate 1, with their marker bits.
  return Bytes({0x00, 0x00, 0x01, 0xBA, 0x21, 0x00, 0x01, 0x00, 0x01, 0x80, 0x00, 0x03});
}

std::string MpegSystemHeader() {
  return Bytes({0x00, 0x00, 0x01, 0xBB, 0x00, 0x0C, 0x80, 0x00, 0x03, 0x04, 0xE1, 0xFF,
                // Buffer bounds of the audio stream, then the video stream.
                0xC0, 0xC0, 0x20, 0xE0, 0xE0, 0x2E});
}

std::string MpegPacket(uint8_t stream_id, const std::string& payload, int stuffing) {
  const size_t length = stuffing + 1 + payload.size();
  return Bytes({0x00, 0x00, 0x01, stream_id, static_cast<int>(length >> 8) & 0xFF,
                static_cast<int>(length & 0xFF)}) +
         std::string(stuffing, '\xFF') + Bytes({0x0F}) + payload;
}

std::string MpegSequenceHeaderBytes(int width, int height, int frame_rate_code) {
  return Bytes({0x00, 0x00, 0x01, 0xB3, (width >> 4) & 0xFF, ((width & 0x0F) << 4) | ((height >> 8) & 0x0F),
                height & 0xFF, 0x10 | (frame_rate_code & 0x0F), 0xFF, 0xFF, 0xE0, 0xA0});
}

std::string MpegAudioFrameBytes(int bit_rate_index, int sampling_code, bool with_crc) {
  return Bytes(
      {0xFF, with_crc ? 0xFC : 0xFD, ((bit_rate_index & 0x0F) << 4) | ((sampling_code & 0x03) << 2), 0x04});
}

std::string MpegEndCode() {
  return Bytes({0x00, 0x00, 0x01, 0xB9});
}
