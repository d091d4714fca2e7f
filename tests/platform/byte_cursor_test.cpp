#include "platform/byte_cursor.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace {

// One read or skip, as op ("Le16", "Le32", "Le64", "FourCC", "Skip <n>"), and what it gave as text.
std::string Step(ByteCursor& cursor, const std::string& op) {
  if (op == "Le16") return std::to_string(cursor.Le16());
  if (op == "Le32") return std::to_string(cursor.Le32());
  if (op == "Le64") return std::to_string(cursor.Le64());
  if (op == "FourCC") return std::string(cursor.FourCC());
  return cursor.Skip(std::stoull(op.substr(5))) ? "ok" : "failed";
}

struct CursorCase {
  const char* what;
  std::string bytes;
  std::vector<std::pair<std::string, std::string>> steps;  // op, what it gives
  bool ok;
  size_t remaining;
};

}  // namespace

TEST(ByteCursor, ReadsFitExactlyOrFailForGood) {
  const std::string fields = std::string("\x01\x02\x03\x04\x05\x06", 6) + std::string(7, '\0') + "\x01RIFF";
  const std::vector<CursorCase> cases = {
      {"exact fit",
       fields,
       {{"Le16", "513"}, {"Le32", "100992003"}, {"Le64", "72057594037927936"}, {"FourCC", "RIFF"}},
       true,
       0},
      {"read past the end, then one that would fit", "abc", {{"Le32", "0"}, {"Le16", "0"}}, false, 0},
      {"fourcc past the end", "RIF", {{"FourCC", ""}}, false, 0},
      {"skip past the end, then a read", "abcd", {{"Skip 5", "failed"}, {"Le16", "0"}}, false, 0},
      {"skip of every byte, then a read", "abcd", {{"Skip 4", "ok"}, {"Le16", "0"}}, false, 0},
      {"skip of a size no file holds", "abcd", {{"Skip 18446744073709551615", "failed"}}, false, 0},
      {"nothing read", "abcd", {{"Skip 0", "ok"}, {"Skip 1", "ok"}}, true, 3},
  };
  for (const CursorCase& test : cases) {
    SCOPED_TRACE(test.what);
    ByteCursor cursor(test.bytes);
    for (const auto& [op, gives] : test.steps) EXPECT_EQ(Step(cursor, op), gives) << op;
    EXPECT_EQ(cursor.ok(), test.ok);
    EXPECT_EQ(cursor.remaining(), test.remaining);
  }
}
