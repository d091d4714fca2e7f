#include "probe/media_file_name.h"

#include <gtest/gtest.h>

#include "settings/settings.h"

namespace {

class MediaFileNameTest : public ::testing::Test {
 protected:
  void SetUp() override { saved_ = Settings(); }
  void TearDown() override { Settings() = saved_; }
  static void AllFlags(int value) {
    SettingsRecord& s = Settings();
    s.ExtAVI = s.ExtMPEG1 = s.ExtRM = s.ExtASF = s.ExtWAVE = s.ExtQT = s.ExtMPG2 = value;
    ModernFlags(value);
  }
  static void ModernFlags(int value) {
    SettingsRecord& s = Settings();
    s.ExtMP4 = s.ExtMKV = s.ExtTS = s.ExtFLV = s.ExtOGG = s.ExtAUDIO = s.ExtWM = value;
  }

 private:
  SettingsRecord saved_;
};

TEST_F(MediaFileNameTest, EndingsAnyCaseNoDotNeeded) {
  AllFlags(1);
  ModernFlags(0);
  for (const char* name : {"CLIP.AvI", "bravi", "a.mpg", "show.rm", "x.ASF", "/d/song.Wav", "m.mov", "AVI"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(IsMediaFileName(name), 1);
  }
  for (const char* name :
       {"show.ram", "movie.mpeg", "song.mp3", "rm", "xrm", "", "av", "a.avi ", "a.avi.txt", "clip.mp4"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(IsMediaFileName(name), 0);
  }
  // The later kinds need the dot and the whole extension after it.
  ModernFlags(1);
  for (const char* name : {"song.mp3", "clip.MP4", "/d/x.WebM", "a.b.m2ts", ".opus", "x.avi.flac"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(IsMediaFileName(name), 1);
  }
  for (const char* name : {"mp4", "xmp4", "a.mp4 ", "a.mp4.txt", "dir.mkv/file", "a.mpeg4", "a.ts2", "a."}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(IsMediaFileName(name), 0);
  }
}

TEST_F(MediaFileNameTest, EachFlagGatesOnlyItsEnding) {
  struct Case {
    const char* name;
    int SettingsRecord::*flag;
  };
  const Case cases[] = {
      {"CLIP.AvI", &SettingsRecord::ExtAVI}, {"a.mpg", &SettingsRecord::ExtMPEG1},
      {"show.rm", &SettingsRecord::ExtRM},   {"x.asf", &SettingsRecord::ExtASF},
      {"s.wav", &SettingsRecord::ExtWAVE},   {"m.mov", &SettingsRecord::ExtQT},
      {"a.MP4", &SettingsRecord::ExtMP4},    {"b.m4a", &SettingsRecord::ExtMP4},
      {"c.webm", &SettingsRecord::ExtMKV},   {"d.mka", &SettingsRecord::ExtMKV},
      {"e.mts", &SettingsRecord::ExtTS},     {"f.Flv", &SettingsRecord::ExtFLV},
      {"g.ogv", &SettingsRecord::ExtOGG},    {"h.aac", &SettingsRecord::ExtAUDIO},
      {"i.FLAC", &SettingsRecord::ExtAUDIO}, {"j.wmv", &SettingsRecord::ExtWM},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    AllFlags(1);
    Settings().*c.flag = 0;
    EXPECT_EQ(IsMediaFileName(c.name), 0);
    AllFlags(0);
    Settings().*c.flag = 1;
    EXPECT_EQ(IsMediaFileName(c.name), 1);
  }
  // MPEG-2's flag never decides: "MPG" follows ExtMPEG1 alone.
  AllFlags(1);
  Settings().ExtMPG2 = 0;
  EXPECT_EQ(IsMediaFileName("a.mpg"), 1);
  Settings().ExtMPEG1 = 0;
  Settings().ExtMPG2 = 1;
  EXPECT_EQ(IsMediaFileName("a.mpg"), 0);
}

}  // namespace
