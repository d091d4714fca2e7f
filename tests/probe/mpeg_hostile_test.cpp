// An MPEG-1 file of 100 MB of 0x00 0x01 pairs after its pack header: every search runs to the end of
// the file once and ends there, and only the container is named.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "list/list_model.h"
#include "probe/media_info.h"
#include "probe/probe_media_file.h"
#include "support/media_fields.h"
#include "support/mpeg1_builder.h"
#include "support/shown_columns.h"
#include "support/temp_dir.h"

namespace {

TEST(MpegHostile, HundredMegabytesOfZeroOnePairs) {
  TempDir dir;
  const std::string path = dir.path() + "/zero_one.mpg";
  {
    std::ofstream out(path, std::ios::binary);
    out << MpegPackHeader();
    std::string pairs;
    for (int i = 0; i < (1 << 19); ++i) pairs += std::string("\x00\x01", 2);
    for (int megabyte = 0; megabyte < 100; ++megabyte) out << pairs;
  }
  // The playing-time column stays hidden, so the playing-length service is not asked.
  ShowOnlyColumns({});
  ProbeMediaFile(path, false);
  ListResetForTesting();
  // The playing time asked for but not looked up is 00:00.
  EXPECT_EQ(MediaInfoFields(), (std::vector<std::string>{"MPEG1", "", "", "", "", "", "00:00"}));
}

}  // namespace
