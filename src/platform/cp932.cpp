#include "platform/cp932.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>

namespace {

// Length of the UTF-8 sequence starting with lead byte b, or 1 for a byte that cannot start one.
size_t Utf8SequenceLength(unsigned char b) {
  if (b >= 0xF0 && b <= 0xF4) return 4;
  if (b >= 0xE0) return b <= 0xEF ? 3 : 1;
  if (b >= 0xC2) return 2;
  return 1;
}

bool IsLeadByte(unsigned char b) {
  return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

bool IsTrailByte(unsigned char b) {
  return b >= 0x40 && b <= 0xFC && b != 0x7F;
}

size_t Cp932SequenceLength(unsigned char b) {
  return ((b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC)) ? 2 : 1;
}

// Converts with iconv; an unconvertible or invalid input sequence becomes "?" and conversion goes on.
std::string Convert(const char* to, const char* from, std::string_view in, size_t (*skip)(unsigned char),
                    bool* lossless) {
  // ASCII is the same in both encodings; most file names are ASCII, and opening a converter costs more
  // than the whole conversion.
  if (std::all_of(in.begin(), in.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
    return std::string(in);
  }
  std::string out;
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) {
    if (lossless) *lossless = false;
    return out;
  }
  char* src = const_cast<char*>(in.data());
  size_t src_left = in.size();
  char buffer[1024];
  while (src_left > 0) {
    char* dst = buffer;
    size_t dst_left = sizeof buffer;
    size_t rc = iconv(cd, &src, &src_left, &dst, &dst_left);
    out.append(buffer, dst - buffer);
    if (rc != static_cast<size_t>(-1)) break;
    if (errno == E2BIG) continue;
    // EILSEQ or EINVAL: replace one input sequence and resynchronise.
    size_t n = skip(static_cast<unsigned char>(*src));
    if (n > src_left) n = src_left;
    src += n;
    src_left -= n;
    out.push_back('?');
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (lossless) *lossless = false;
  }
  iconv_close(cd);
  return out;
}

}  // namespace

std::string Utf8ToCp932(std::string_view utf8) {
  return Convert("CP932", "UTF-8", utf8, Utf8SequenceLength, nullptr);
}

std::string Cp932ToUtf8(std::string_view cp932) {
  return Convert("UTF-8", "CP932", cp932, Cp932SequenceLength, nullptr);
}

bool Cp932CanHold(std::string_view utf8) {
  bool lossless = true;
  std::string bytes = Convert("CP932", "UTF-8", utf8, Utf8SequenceLength, &lossless);
  return lossless && Convert("UTF-8", "CP932", bytes, Cp932SequenceLength, nullptr) == utf8;
}

size_t Cp932CharLength(std::string_view text, size_t i) {
  return IsLeadByte(text[i]) && i + 1 < text.size() && IsTrailByte(text[i + 1]) ? 2 : 1;
}

bool IsUtf8Text(std::string_view bytes) {
  bool lossless = true;
  Convert("UTF-16LE", "UTF-8", bytes, Utf8SequenceLength, &lossless);
  return lossless;
}

bool IsCp932Text(std::string_view bytes) {
  bool lossless = true;
  Convert("UTF-8", "CP932", bytes, Cp932SequenceLength, &lossless);
  return lossless;
}
