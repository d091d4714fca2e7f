#include "probe/mpeg_reader.h"

#include <gtest/gtest.h>

#include "list/columns.h"
#include "probe/media_info.h"
#include "settings/settings.h"

namespace {

// Sets MPGTIME and the playing-time column's flag for one test and puts the old values back.
class PlayTimeSwitches {
 public:
  PlayTimeSwitches(int mpgtime, int play_time_shown)
      : saved_mpgtime_(Settings().MPGTIME), saved_shown_(Columns().shown[kColPlayTime]) {
    Settings().MPGTIME = mpgtime;
    Columns().shown[kColPlayTime] = play_time_shown;
  }
  ~PlayTimeSwitches() {
    Settings().MPGTIME = saved_mpgtime_;
    Columns().shown[kColPlayTime] = saved_shown_;
  }

 private:
  int saved_mpgtime_;
  int saved_shown_;
};

const std::string kSample = TESSAROLL_SOURCE_DIR "/tests/data/mpeg1_64x48_2s.mpg";

}  // namespace

// ffprobe: 64x48, 30000/1001 fps, mp2 48000 Hz 32000 bit/s, duration 2.912923 s, 32768 bytes.
TEST(ReadMpegSystem, PlayingLengthFollowsMpgtimeAndTheColumn) {
  struct Case {
    int mpgtime;
    int shown;
    const char* play_time;
    const char* video_rate;
  };
  const Case cases[] = {
      {1, 1, "00:02", "131kbit"},  // 32768 / 2 / 100 - 32
      {1, 0, "00:00", ""},
      {0, 1, "", ""},
      {0, 0, "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "MPGTIME " << c.mpgtime << ", column shown " << c.shown);
    PlayTimeSwitches switches(c.mpgtime, c.shown);
    ReadMpegSystem(kSample);
    const MediaInfoRecord& info = MediaInfo();
    EXPECT_EQ("MPEG1", info.video_format);
    EXPECT_EQ("64x48", info.picture_size);
    EXPECT_EQ("29.97", info.frame_rate);
    EXPECT_EQ("MPEG Layer2", info.audio_format);
    EXPECT_EQ("48.0kHz/32kbit", info.audio_rate);
    EXPECT_EQ(c.play_time, info.play_time);
    EXPECT_EQ(c.video_rate, info.video_rate);
  }
}
