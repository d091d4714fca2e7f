#include "settings/settings_location.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_dir.h"

TEST(SettingsLocation, FileBesideTheProgramWinsThenXdgThenHome) {
  TempDir dir;
  const std::string portable = dir.path() + "/portable";
  const std::string installed = dir.path() + "/usr/bin";
  dir.Write("portable/dorirovo.ini", "");
  EXPECT_EQ(SettingsFileLocation(portable, "/cfg", "/home/u"), portable + "/dorirovo.ini");
  EXPECT_EQ(SettingsFileLocation(installed, "/cfg", "/home/u"), "/cfg/tessaroll/dorirovo.ini");
  EXPECT_EQ(SettingsFileLocation(installed, "", "/home/u"), "/home/u/.config/tessaroll/dorirovo.ini");
  // A relative XDG_CONFIG_HOME is invalid and ignored.
  EXPECT_EQ(SettingsFileLocation(installed, "cfg", "/home/u"), "/home/u/.config/tessaroll/dorirovo.ini");
  EXPECT_EQ(SettingsFileLocation(installed, "", ""), installed + "/dorirovo.ini");
  // A folder named dorirovo.ini beside the program is no settings file.
  dir.Write("usr/bin/dorirovo.ini/x", "");
  EXPECT_EQ(SettingsFileLocation(installed, "/cfg", "/home/u"), "/cfg/tessaroll/dorirovo.ini");
}

TEST(SettingsLocation, ExecutableFolderHoldsTheTestProgram) {
  const std::string folder = ExecutableFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder[0], '/');
  EXPECT_TRUE(std::filesystem::is_regular_file(folder + "/core_tests"));
}
