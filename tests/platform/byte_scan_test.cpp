#include "platform/byte_scan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

size_t CountByte(std::string_view bytes, char byte) {
  size_t count = 0;
  ForEachWord(bytes, static_cast<char>(byte + 1),
              [&](uint64_t word) { count += CountMarked(MatchingBytes(word, byte)); });
  return count;
}

// Against the plain byte-by-byte answer, for every length across the eight-byte words and with the byte
// sought, high bytes and bytes one off from it (which a careless word trick counts) at every place.
TEST(ByteScan, WordAtATimeAgreesWithByteByByte) {
  for (const std::string& fill : {std::string("a"), std::string("\x01"), std::string("\x21\x23")}) {
    for (size_t size = 0; size <= 25; ++size) {
      for (size_t place = 0; place <= size; ++place) {
        std::string text;
        while (text.size() < size) text += fill;
        text.resize(size);
        for (const char inserted : {'"', '\x80', '\xFF', '\x00'}) {
          std::string probe = text;
          if (place < size) probe[place] = inserted;
          const bool ascii = std::all_of(probe.begin(), probe.end(),
                                         [](char c) { return static_cast<unsigned char>(c) < 0x80; });
          EXPECT_EQ(IsAsciiText(probe), ascii) << size << " " << place;
          for (const char sought : {'"', '\x00', '\xFF'}) {
            EXPECT_EQ(CountByte(probe, sought),
                      static_cast<size_t>(std::count(probe.begin(), probe.end(), sought)))
                << size << " " << place << " " << int(sought);
          }
        }
      }
    }
  }
  EXPECT_EQ(SkipAscii("abcdefghij\x82\xa0", 3), 10u);
}

}  // namespace
