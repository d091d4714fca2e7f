#include "probe/codec_names.h"

#include <gtest/gtest.h>

#include <cstring>

#include "platform/cp932.h"

namespace {

uint32_t Handler(const char* text) {
  uint32_t code = 0;
  std::memcpy(&code, text, std::min<size_t>(4, std::strlen(text)));
  return code;
}

TEST(VideoCodecName, TableKeysAndLetterCase) {
  struct Case {
    const char* handler;
    const char* expected;
  };
  const Case cases[] = {
      {"MJPG", "Motion JPEG"}, {"mjpg", "Motion JPEG"}, {"div3", "DivX Low"},  {"DIV4", "DivX Fast"},
      {"MPG4", "MPEG4 V1"},    {"mp42", "MPEG4 V2"},    {"MP43", "MPEG4 V3"},  {"CVID", "Cinepak"},
      {"rle ", "MS-RLE"},      {"MRLE", "MS-RLE"},      {"VIVO", "Vivo H263"}, {"YVU9", "IndeoRaw 1.2"},
      {"divx", "Unknon"},      {"DX50", "Unknon"},      {"XVID", "Unknon"},    {"dib ", "Unknon"},
      {"RLE", "Unknon"},  // the zero byte ends the code: "RLE" is not "RLE "
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.handler);
    EXPECT_EQ(VideoCodecName(Handler(c.handler)), c.expected);
  }
  EXPECT_EQ(VideoCodecName(Handler("DIB ")), Utf8ToCp932("非圧縮"));
  EXPECT_EQ(VideoCodecName(0), "Unknon");
  // Bytes after a zero byte do not count: "MJ\0G" is "MJ".
  EXPECT_EQ(VideoCodecName(0x47004A4D), "Unknon");
}

TEST(AudioCodecName, SizeAndTagTogether) {
  struct Case {
    int32_t size;
    uint16_t tag;
    const char* expected;
  };
  const Case cases[] = {
      {16, 0x0001, "PCM"},         {18, 0x0001, "PCM"},         {20, 0x0001, "Indeo Audio"},
      {30, 0x0055, "MPEG Layer3"}, {28, 0x0055, "Unknon"},      {22, 0x0160, "MS Audio"},
      {28, 0x0160, "DivX WMA V1"}, {28, 0x0161, "DivX WMA V2"}, {50, 0x0002, "MS ADPCM"},
      {20, 0x0011, "IMA ADPCM"},   {18, 0x181E, "TM AX24000P"}, {34, 0x0075, "Vox MetaSound"},
      {14, 0x0001, "Unknon"},      {0, 0x0000, "Unknon"},       {-16, 0x0001, "Unknon"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.size) + "/" + std::to_string(c.tag));
    EXPECT_EQ(AudioCodecName(c.size, c.tag), c.expected);
  }
}

}  // namespace
