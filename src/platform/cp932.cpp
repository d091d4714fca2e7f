#include "platform/cp932.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/byte_scan.h"

namespace {

// Opening a converter loads and unloads a library module each time; each thread keeps the converters it
// opened until it ends.
class ThreadConverters {
 public:
  ~ThreadConverters() {
    for (const Converter& converter : converters_) iconv_close(converter.cd);
  }

  // A converter in its initial state, or (iconv_t)-1 when the pair is not known.
  iconv_t Get(const char* to, const char* from) {
    for (const Converter& converter : converters_) {
      if (std::strcmp(converter.to, to) == 0 && std::strcmp(converter.from, from) == 0) {
        iconv(converter.cd, nullptr, nullptr, nullptr, nullptr);
        return converter.cd;
      }
    }
    const iconv_t cd = iconv_open(to, from);
    if (cd != reinterpret_cast<iconv_t>(-1)) converters_.push_back({to, from, cd});
    return cd;
  }

 private:
  struct Converter {
    const char* to;
    const char* from;
    iconv_t cd;
  };
  std::vector<Converter> converters_;
};

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
// Without keep_output only lossless is told, and nothing is held, whatever the size of the text.
std::string Convert(const char* to, const char* from, std::string_view in, size_t (*skip)(unsigned char),
                    bool* lossless, bool keep_output = true) {
  // ASCII is the same in both encodings; most file names are ASCII, and opening a converter costs more
  // than the whole conversion.
  if (IsAsciiText(in)) {
    return keep_output ? std::string(in) : std::string();
  }
  std::string out;
  thread_local ThreadConverters converters;
  const iconv_t cd = converters.Get(to, from);
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
    if (keep_output) out.append(buffer, dst - buffer);
    if (rc != static_cast<size_t>(-1)) break;
    if (errno == E2BIG) continue;
    // EILSEQ or EINVAL: replace one input sequence and resynchronise.
    size_t n = skip(static_cast<unsigned char>(*src));
    if (n > src_left) n = src_left;
    src += n;
    src_left -= n;
    if (lossless) *lossless = false;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    // A check for losses has its answer at the first one.
    if (!keep_output) break;
    out.push_back('?');
  }
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

namespace {

// The characters of the text that are not ASCII, each run of them after one blank. ASCII is valid in both
// encodings and never part of a longer UTF-8 sequence, and runs are cut between CP932 characters (a lead
// byte keeps the byte after it, whatever that is), so the text is valid exactly when this is: and a text
// of mostly ASCII passes through the converter in a fraction of its size.
std::string NonAsciiRuns(std::string_view bytes, size_t (*length)(unsigned char)) {
  std::string runs;
  for (size_t i = SkipAscii(bytes, 0); i < bytes.size(); i = SkipAscii(bytes, i)) {
    runs += ' ';
    while (i < bytes.size() && static_cast<unsigned char>(bytes[i]) >= 0x80) {
      const size_t n = std::min(length(static_cast<unsigned char>(bytes[i])), bytes.size() - i);
      runs += bytes.substr(i, n);
      i += n;
    }
  }
  return runs;
}

size_t OneByte(unsigned char) {
  return 1;
}

}  // namespace

bool IsUtf8Text(std::string_view bytes) {
  bool lossless = true;
  Convert("UTF-16LE", "UTF-8", NonAsciiRuns(bytes, OneByte), Utf8SequenceLength, &lossless, false);
  return lossless;
}

bool IsCp932Text(std::string_view bytes) {
  bool lossless = true;
  Convert("UTF-8", "CP932", NonAsciiRuns(bytes, Cp932SequenceLength), Cp932SequenceLength, &lossless, false);
  return lossless;
}
