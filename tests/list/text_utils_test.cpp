#include "list/text_utils.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

TEST(TextUtils, GroupThousandsByThreesFromTheRight) {
  const struct {
    const char* in;
    const char* out;
  } cases[] = {
      {"", ""},
      {"5", "5"},
      {"12", "12"},
      {"123", "123"},
      {"1234", "1,234"},
      {"123456", "123,456"},
      {"1234567", "1,234,567"},
      {"123456789012345678", "123,456,789,012,345,678"},
      {"   123", "   ,123"},
      {"  1234", "  1,234"},
      {" 45678", " 45,678"},
      {"\x82\xa0\x82\xa2", "\x82,\xa0\x82\xa2"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.in);
    EXPECT_EQ(GroupThousands(c.in), c.out);
  }
}

TEST(TextUtils, SubstringsCountBytesAndStayInsideTheText) {
  const std::string jp = "\x83\x5e\x83\x43\x83\x67\x83\x8b";  // four double-byte characters
  EXPECT_EQ(TextLeft(jp, 3), "\x83\x5e\x83");                 // splits a character
  EXPECT_EQ(TextRight("movie.avi", 3), "avi");
  EXPECT_EQ(TextMid("movie.avi", 2, 3), "ovi");
  // Out-of-range arguments give only the bytes that exist.
  EXPECT_EQ(TextLeft("abc", 10), "abc");
  EXPECT_EQ(TextLeft("abcdef", -2), "");  // a name of four bytes or fewer less four
  EXPECT_EQ(TextRight("ab", 3), "ab");
  EXPECT_EQ(TextRight("abc", -1), "");
  EXPECT_EQ(TextMid("abc", 3, 5), "c");
  EXPECT_EQ(TextMid("abc", 4, 1), "");
  EXPECT_EQ(TextMid("abc", 0, 3), "ab");
  EXPECT_EQ(TextMid("abc", -5, 2), "");
  EXPECT_EQ(TextMid("abc", 2, -1), "");
  EXPECT_EQ(TextMid("abc", 2147483647, 2147483647), "");
}

TEST(TextUtils, PathSplitsAtTheLastSlash) {
  EXPECT_EQ(PathFolder("/home/u/a.avi"), "/home/u");
  EXPECT_EQ(PathFileName("/home/u/a.avi"), "a.avi");
  EXPECT_EQ(PathFolder("/a.avi"), "");
  EXPECT_EQ(PathFolder("/a.avi") + "/" + PathFileName("/a.avi"), "/a.avi");
  EXPECT_EQ(PathFolder("a.avi"), "");
  EXPECT_EQ(PathFileName("a.avi"), "a.avi");
  EXPECT_EQ(PathFolder("/home/u/"), "/home/u");
  EXPECT_EQ(PathFileName("/home/u/"), "");
  EXPECT_EQ(PathFolder(""), "");
  EXPECT_EQ(PathFileName(""), "");
}

TEST(TextUtils, ResolveFileNameKeepsFolderAndListedName) {
  TempDir dir;
  const std::string file = dir.Write("sub/Movie One.AVI", "x");
  EXPECT_EQ(ResolveFileName(file), file);
  EXPECT_EQ(ResolveFileName(dir.path() + "/sub"), dir.path() + "/sub");
  // Nothing listed under that name: the folder and a separator remain.
  EXPECT_EQ(ResolveFileName(dir.path() + "/sub/missing.avi"), dir.path() + "/sub/");
  EXPECT_EQ(ResolveFileName("/"), "/");
  EXPECT_EQ(ResolveFileName("no-such-relative-name.avi"), "");
}
