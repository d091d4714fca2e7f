#include "probe/modern_media_name.h"

#include <string>

#include <gtest/gtest.h>

namespace {

// The kind by the extension after the last dot of the last name, any letter case.
TEST(ModernMediaName, KindByTheLastExtension) {
  const struct {
    const char* name;
    const char* kind;  // the kind's first extension, or nullptr for none
  } cases[] = {
      {"/m/a.mp4", "mp4"},     {"/m/a.M4A", "mp4"},     {"a.WebM", "mkv"},    {"/m/x.opus", "ogg"},
      {"/m/b.m2ts", "ts"},     {"/m/c.wma", "wmv"},     {"/m/d.Flac", "mp3"}, {"/m/e.flv", "flv"},
      {"/m/a.mp4x", nullptr},  {"/m/a.mp", nullptr},    {"/m/mp4", nullptr},  {"/m.mp4/a", nullptr},
      {"/m/a.", nullptr},      {"/m/a.avi", nullptr},   {"", nullptr},        {".ogg", "ogg"},
      {"/m/a.opus2", nullptr}, {"/m/a.tar.mkv", "mkv"},
  };
  for (const auto& c : cases) {
    const ModernMediaKind* kind = FindModernMediaKind(c.name);
    if (!c.kind) {
      EXPECT_EQ(kind, nullptr) << c.name;
    } else {
      ASSERT_NE(kind, nullptr) << c.name;
      EXPECT_EQ(std::string(kind->extensions[0]), c.kind) << c.name;
    }
  }
}

}  // namespace
