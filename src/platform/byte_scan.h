#pragma once
// Scans over text eight bytes at a time, for the passes that go over every byte of a list file.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace byte_scan_detail {

constexpr uint64_t kLowSeven = 0x7F7F7F7F7F7F7F7FULL;
constexpr uint64_t kHighBits = 0x8080808080808080ULL;

inline uint64_t Word(const char* at) {
  uint64_t word;
  std::memcpy(&word, at, sizeof word);
  return word;
}

}  // namespace byte_scan_detail

// Where the first byte at or after from that is not ASCII lies; the size when there is none.
inline size_t SkipAscii(std::string_view bytes, size_t from) {
  size_t i = from;
  while (i + 8 <= bytes.size() && !(byte_scan_detail::Word(bytes.data() + i) & byte_scan_detail::kHighBits)) {
    i += 8;
  }
  while (i < bytes.size() && static_cast<unsigned char>(bytes[i]) < 0x80) ++i;
  return i;
}

inline bool IsAsciiText(std::string_view bytes) {
  return SkipAscii(bytes, 0) == bytes.size();
}

// The high bit of each byte of the word that equals byte, exactly: no carry crosses from one byte into
// the next.
inline uint64_t MatchingBytes(uint64_t word, char byte) {
  using namespace byte_scan_detail;
  const uint64_t x = word ^ (0x0101010101010101ULL * static_cast<unsigned char>(byte));
  return ~(((x & kLowSeven) + kLowSeven) | x | kLowSeven);
}

// How many bytes MatchingBytes marked.
inline size_t CountMarked(uint64_t marks) {
  return static_cast<size_t>(((marks >> 7) * 0x0101010101010101ULL) >> 56);
}

// Calls visit with each eight bytes of the text as a word, the last ones padded with copies of pad.
template <typename Visit>
void ForEachWord(std::string_view bytes, char pad, Visit visit) {
  size_t i = 0;
  for (; i + 8 <= bytes.size(); i += 8) visit(byte_scan_detail::Word(bytes.data() + i));
  if (i == bytes.size()) return;
  char last[8];
  std::memset(last, pad, sizeof last);
  std::memcpy(last, bytes.data() + i, bytes.size() - i);
  visit(byte_scan_detail::Word(last));
}
