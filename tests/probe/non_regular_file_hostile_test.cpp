// A FIFO, a device or a folder where a media file is expected: every reader and the tag writer give up
// at once instead of waiting for a writer that never comes or reading an endless device.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/regular_file.h"
#include "probe/avi_tail.h"
#include "probe/container_sniff.h"
#include "probe/info_tag_file.h"
#include "probe/media_info.h"
#include "probe/probe_media_file.h"
#include "probe/riff_reader.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

namespace {

struct NonRegular {
  const char* what;
  std::string path;
};

// A FIFO named x.avi, a link named y.avi to the endless /dev/zero, and a folder named z.avi.
std::vector<NonRegular> MakeNonRegularFiles(const TempDir& dir) {
  const std::string fifo = dir.path() + "/x.avi";
  const std::string device = dir.path() + "/y.avi";
  const std::string folder = dir.path() + "/z.avi";
  EXPECT_EQ(mkfifo(fifo.c_str(), 0644), 0);
  std::filesystem::create_symlink("/dev/zero", device);
  std::filesystem::create_directory(folder);
  return {{"FIFO", fifo}, {"device", device}, {"folder", folder}};
}

TEST(NonRegularFileHostile, ReadersAndTagWriterGiveUpAtOnce) {
  TempDir dir;
  for (const NonRegular& file : MakeNonRegularFiles(dir)) {
    SCOPED_TRACE(file.what);
    EXPECT_FALSE(OpenRegularFile(file.path).is_open());
    EXPECT_EQ(SniffContainer(file.path), kContainerUnknown);
    EXPECT_FALSE(RiffReader(file.path).is_open());
    EXPECT_EQ(ProbeMediaFile(file.path, true), 0);
    EXPECT_EQ(MediaInfo().video_format, "");
    EXPECT_EQ(LocateAviTail(file.path).status, AviTailStatus::kCannotRead);
    EXPECT_EQ(WriteInfoTagsToFile(file.path, {std::string("t"), {}, {}}).outcome,
              InfoTagOutcome::kNotRegularFile);
  }
  struct stat status {};
  ASSERT_EQ(stat((dir.path() + "/x.avi").c_str(), &status), 0);
  EXPECT_TRUE(S_ISFIFO(status.st_mode));
}

TEST(NonRegularFileHostile, CliProbeReportsThemAndGoesOn) {
  TempDir dir;
  std::vector<std::string> arguments = {"--probe"};
  for (const NonRegular& file : MakeNonRegularFiles(dir)) arguments.push_back(file.path);
  const std::string rm = dir.Write("w.rm", std::string(".RMF\0\0\0\x12", 8));
  arguments.push_back(rm);
  ProgramResult result = RunProgram(TESSAROLL_CLI_PATH, arguments);
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_NE(result.out.find(rm + "\tRealVideo"), std::string::npos);
  for (const char* name : {"x.avi", "y.avi", "z.avi"}) {
    EXPECT_NE(result.err.find(name), std::string::npos) << name;
  }
}

}  // namespace
