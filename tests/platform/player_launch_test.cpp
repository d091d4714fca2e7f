#include "platform/player_launch.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/recording_player.h"

namespace {

std::string WriteScript(const TempDir& dir, const std::string& name, const std::string& body) {
  const std::string path = dir.Write(name, "#!/bin/sh\n" + body);
  chmod(path.c_str(), 0755);
  return path;
}

TEST(PlayerLaunch, FindsThePreferredPlayerOnTheSearchPath) {
  TempDir first, second;
  EXPECT_EQ(FindMediaPlayer(first.path() + ":" + second.path()), "");
  first.Write("mpv", "not executable");
  EXPECT_EQ(FindMediaPlayer(first.path()), "");
  const std::string vlc = WriteScript(first, "vlc", "");
  EXPECT_EQ(FindMediaPlayer(":" + first.path() + "::"), vlc);
  const std::string mpv = WriteScript(second, "mpv", "");
  EXPECT_EQ(FindMediaPlayer(first.path() + ":" + second.path()), mpv);  // mpv comes before vlc
  const std::string xdg_open = WriteScript(second, "xdg-open", "");
  EXPECT_EQ(FindMediaPlayer(first.path() + ":" + second.path()), xdg_open);
  mkdir((first.path() + "/ffplay").c_str(), 0755);  // a folder is no player
  EXPECT_EQ(FindMediaPlayer(first.path()), vlc);
}

// A path with spaces and quotes reaches the player as one argument, in the given folder.
TEST(PlayerLaunch, PathWithSpacesIsOneArgument) {
  TempDir dir;
  const std::string out = dir.path() + "/args.txt";
  const std::string player = WriteRecordingPlayer(dir, "player", out, "$#|$1|$(pwd)");
  const std::string movie = dir.Write("my movies/it's a \"b\" film.avi", "x");
  ASSERT_TRUE(LaunchPlayer(player, movie, dir.path() + "/my movies"));
  const std::string args = AwaitPlayerRecord(out);
  char real_folder[4096];
  ASSERT_NE(realpath((dir.path() + "/my movies").c_str(), real_folder), nullptr);
  EXPECT_EQ(args, "1|" + movie + "|" + real_folder);
}

}  // namespace
