#include "probe/codec_names.h"

#include <cstring>

#include "platform/cp932.h"

namespace {

struct VideoCodecEntry {
  const char* key;
  const char* name;
};

// Searched in order after the case-exact "DIB "; the first key equal ignoring case wins.
constexpr VideoCodecEntry kVideoCodecs[] = {
    {"MPG4", "MPEG4 V1"},  {"MP42", "MPEG4 V2"},     {"MP43", "MPEG4 V3"},    {"DIV3", "DivX Low"},
    {"DIV4", "DivX Fast"}, {"IV31", "Indeo 3.1"},    {"IV32", "Indeo 3.2"},   {"IV41", "Indeo 4.5"},
    {"IV50", "Indeo 5.1"}, {"YVU9", "IndeoRaw 1.2"}, {"MSVC", "MS-Video1"},   {"RLE ", "MS-RLE"},
    {"MRLE", "MS-RLE"},    {"cvid", "Cinepak"},      {"VDOM", "VDOWave"},     {"M263", "MS-H.263"},
    {"TR20", "TM-RT20"},   {"vivo", "Vivo H263"},    {"MJPG", "Motion JPEG"},
};

struct AudioCodecEntry {
  int32_t format_size;
  uint16_t format_tag;
  const char* name;
};

constexpr AudioCodecEntry kAudioCodecs[] = {
    {18, 0x0006, "CCITT A-Law"},   {18, 0x0007, "CCITT u-Law"},   {18, 0x0070, "L&H CELP4.8k"},
    {18, 0x0071, "L&H SBC 12k"},   {18, 0x0072, "L&H SBC 16k"},   {18, 0x0073, "L&H SBC 8k"},
    {18, 0x181E, "TM AX24000P"},   {20, 0x0011, "IMA ADPCM"},     {20, 0x0031, "GSM 6.1"},
    {20, 0x0001, "Indeo Audio"},   {20, 0x1C07, "LT SX8300P"},    {22, 0x0130, "ACELP.net"},
    {22, 0x0160, "MS Audio"},      {28, 0x0160, "DivX WMA V1"},   {28, 0x0161, "DivX WMA V2"},
    {30, 0x0055, "MPEG Layer3"},   {34, 0x0062, "Vox File"},      {34, 0x0069, "Vox Bitstream"},
    {34, 0x0074, "Vox MetaVoice"}, {34, 0x0075, "Vox MetaSound"}, {50, 0x0002, "MS ADPCM"},
    {50, 0x0022, "True Speech"},   {16, 0x0001, "PCM"},           {18, 0x0001, "PCM"},
};

constexpr const char* kUnknownCodec = "Unknon";

char AsciiUpper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool EqualIgnoringAsciiCase(const std::string& text, const char* key) {
  if (text.size() != std::strlen(key)) return false;
  for (size_t i = 0; i < text.size(); ++i) {
    if (AsciiUpper(text[i]) != AsciiUpper(key[i])) return false;
  }
  return true;
}

std::string HandlerText(uint32_t handler) {
  std::string text;
  for (int shift = 0; shift < 32; shift += 8) {
    char c = static_cast<char>((handler >> shift) & 0xFF);
    if (c == '\0') break;
    text += c;
  }
  return text;
}

}  // namespace

std::string VideoCodecName(uint32_t handler) {
  std::string text = HandlerText(handler);
  if (text == "DIB ") {
    static const std::string kUncompressed = Utf8ToCp932("非圧縮");
    return kUncompressed;
  }
  for (const VideoCodecEntry& entry : kVideoCodecs) {
    if (EqualIgnoringAsciiCase(text, entry.key)) return entry.name;
  }
  return kUnknownCodec;
}

std::string AudioCodecName(int32_t format_size, uint16_t format_tag) {
  for (const AudioCodecEntry& entry : kAudioCodecs) {
    if (entry.format_size == format_size && entry.format_tag == format_tag) return entry.name;
  }
  return kUnknownCodec;
}
