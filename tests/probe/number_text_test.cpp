#include "probe/number_text.h"

#include <cstdio>
#include <string>

#include <gtest/gtest.h>

namespace {

// What printf writes in the C locale, into 64 bytes as the media fields always were.
std::string Printed(const char* format, double value, int decimals) {
  char text[64];
  std::snprintf(text, sizeof text, format, decimals, value);
  return text;
}

// Byte for byte what printf wrote, halfway cases, huge and tiny values included.
TEST(NumberText, AsPrintfWritesIt) {
  for (const double value : {0.0, 0.005, 0.125, 2.675, 1.005, 29.97002997, 44.1, 1e-300, 59.94, 123456789.125,
                             1e17, 1e22, 1e300, -0.0, -3.14159}) {
    for (const int decimals : {0, 1, 2, 3}) {
      EXPECT_EQ(FixedText(value, decimals), Printed("%.*f", value, decimals)) << value << " " << decimals;
    }
  }
  for (const long long value : {0LL, 5LL, 9LL, 10LL, 59LL, 99LL, 100LL, 12345LL}) {
    char text[32];
    std::snprintf(text, sizeof text, "%02lld", value);
    EXPECT_EQ(TwoDigitText(value), text);
  }
}

}  // namespace
