#include "platform/decoder_query.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

uint32_t Handler(const char* text) {
  uint32_t code = 0;
  std::memcpy(&code, text, 4);
  return code;
}

// The installed FFmpeg answers through its RIFF tag tables; these codecs ship with every FFmpeg build.
TEST(InstalledDecoders, FfmpegRiffTags) {
  const DecoderQuery& decoders = InstalledDecoders();
  for (const char* handler : {"MJPG", "mjpg", "DIV3", "MP42", "FMP4", "XVID", "cvid", "MSVC"}) {
    SCOPED_TRACE(handler);
    EXPECT_TRUE(decoders.has_video_decoder(Handler(handler)));
  }
  for (const char* handler : {"QQQQ", "\0\0\0\1"}) EXPECT_FALSE(decoders.has_video_decoder(Handler(handler)));

  for (uint16_t tag : {0x0001, 0x0002, 0x0011, 0x0055, 0x0050, 0x0006}) {
    SCOPED_TRACE(tag);
    EXPECT_TRUE(decoders.has_audio_decoder(tag));
  }
  EXPECT_FALSE(decoders.has_audio_decoder(0x7A7A));
}

}  // namespace
