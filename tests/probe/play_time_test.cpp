#include "probe/play_time.h"

#include <gtest/gtest.h>

#include "probe/media_info.h"

namespace {

TEST(FormatPlayTime, TwoDigitBoundariesAndNoHours) {
  struct Case {
    int64_t seconds;
    const char* expected;
  };
  const Case cases[] = {
      {0, "00:00"},
      {9, "00:09"},
      {10, "00:10"},
      {59, "00:59"},
      {60, "01:00"},
      {61, "01:01"},
      {599, "09:59"},
      {600, "10:00"},
      {605, "10:05"},
      {3725, "62:05"},
      {6000, "100:00"},
      {2147483647, "35791394:07"},
      {4294967295, "71582788:15"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.seconds);
    FormatPlayTime(c.seconds);
    EXPECT_EQ(MediaInfo().play_time, c.expected);
  }
  FormatPlayTime(-1);
  EXPECT_EQ(MediaInfo().play_time, "");
}

}  // namespace
