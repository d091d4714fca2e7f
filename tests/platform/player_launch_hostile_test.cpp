// The player gets a hostile path as one argument and no shell ever reads it: command substitution,
// separators, quotes, globs and line feeds in the name stay bytes of the name.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/player_launch.h"
#include "support/recording_player.h"

namespace {

TEST(PlayerLaunchHostile, ShellSyntaxInThePathIsNeverRun) {
  TempDir dir;
  const std::string out = dir.path() + "/args";
  const std::string player = WriteRecordingPlayer(dir, "player", out);
  const std::string movie = dir.Write(
      "a $(touch sub) `touch tick`; touch semi && touch and | touch pipe\n'\"* ${HOME} \\.avi", "x");
  ASSERT_TRUE(LaunchPlayer(player, movie, dir.path()));
  EXPECT_EQ(AwaitPlayerRecord(out), "1|" + movie);
  for (const char* name : {"sub", "tick", "semi", "and", "pipe"}) {
    EXPECT_FALSE(std::filesystem::exists(dir.path() + "/" + name)) << name;
  }
}

}  // namespace
