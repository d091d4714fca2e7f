// The player gets a hostile path as one argument and no shell ever reads it: command substitution,
// separators, quotes, globs and line feeds in the name stay bytes of the name.
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "platform/player_launch.h"
#include "support/temp_dir.h"

namespace {

TEST(PlayerLaunchHostile, ShellSyntaxInThePathIsNeverRun) {
  TempDir dir;
  const std::string out = dir.path() + "/args";
  // The player records its argument count and first argument, then marks that it is done.
  const std::string player = dir.Write("player", "#!/bin/sh\nprintf '%s|%s' \"$#\" \"$1\" > '" + out +
                                                     ".tmp'; mv '" + out + ".tmp' '" + out + "'\n");
  ASSERT_EQ(chmod(player.c_str(), 0755), 0);
  const std::string movie = dir.Write(
      "a $(touch sub) `touch tick`; touch semi && touch and | touch pipe\n'\"* ${HOME} \\.avi", "x");
  ASSERT_TRUE(LaunchPlayer(player, movie, dir.path()));
  // Waits for the player only as long as it takes; the test's time limit guards against a hang.
  while (!std::filesystem::exists(out)) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_EQ(ReadWholeFile(out), "1|" + movie);
  for (const char* name : {"sub", "tick", "semi", "and", "pipe"}) {
    EXPECT_FALSE(std::filesystem::exists(dir.path() + "/" + name)) << name;
  }
}

}  // namespace
