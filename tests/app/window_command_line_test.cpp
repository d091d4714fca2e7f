#include "app/window_command_line.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowCommandLine, OnlyTheExactOptionsAreOptions) {
  using Action = WindowCommandLineAction;
  const struct {
    std::vector<std::string> pieces;
    Action action;
  } cases[] = {
      {{}, Action::kOpenWindow},
      {{"/srv/movies", "clip.avi"}, Action::kOpenWindow},
      {{"-h", "-V", "--Help", "--version=1", "./--help", "--help "}, Action::kOpenWindow},
      {{"--help"}, Action::kPrintUsage},
      {{"/srv/movies", "--version"}, Action::kPrintVersion},
      {{"--version", "--help"}, Action::kPrintVersion},
      {{"a b", "--help", "--version"}, Action::kPrintUsage},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.pieces));
    EXPECT_EQ(ReadWindowCommandLine(c.pieces), c.action);
  }
}

TEST(WindowCommandLine, TextsNameTheProgramAndItsOptions) {
  EXPECT_EQ(WindowVersionText(), std::string("tessaroll ") + TESSAROLL_VERSION + "\n");
  const std::string usage = WindowUsageText();
  EXPECT_EQ(usage.rfind("Usage: tessaroll [PATH]...\n", 0), 0u);
  EXPECT_NE(usage.find("--help"), std::string::npos);
  EXPECT_NE(usage.find("--version"), std::string::npos);
  EXPECT_EQ(usage.back(), '\n');
}

}  // namespace
