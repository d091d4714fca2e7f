#include "cli/cli_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Parsed {
  bool ok;
  CliOptions options;
  std::string error;
};

Parsed Parse(std::vector<std::string> arguments) {
  arguments.insert(arguments.begin(), "tessaroll-cli");
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  Parsed parsed;
  parsed.ok = ParseCliOptions(static_cast<int>(argv.size()), argv.data(), parsed.options, parsed.error);
  return parsed;
}

TEST(ParseCliOptions, FlagsAnywhereAndPathsInOrder) {
  Parsed parsed = Parse({"b.avi", "--check", "--probe", "-", "--utf8", "a b.wav", "-h", "-V"});
  ASSERT_TRUE(parsed.ok) << parsed.error;
  EXPECT_TRUE(parsed.options.probe);
  EXPECT_TRUE(parsed.options.check);
  EXPECT_TRUE(parsed.options.utf8);
  EXPECT_TRUE(parsed.options.help);
  EXPECT_TRUE(parsed.options.version);
  EXPECT_EQ(parsed.options.paths, (std::vector<std::string>{"b.avi", "-", "a b.wav"}));

  // After "--" an argument that looks like an option is a path.
  parsed = Parse({"--probe", "--", "--check", "--"});
  ASSERT_TRUE(parsed.ok) << parsed.error;
  EXPECT_FALSE(parsed.options.check);
  EXPECT_EQ(parsed.options.paths, (std::vector<std::string>{"--check", "--"}));
}

TEST(ParseCliOptions, WriteTagsTakesRowsButNoListOutput) {
  Parsed parsed = Parse({"-i", "edited.csv", "--write-tags", "tree"});
  ASSERT_TRUE(parsed.ok) << parsed.error;
  EXPECT_TRUE(parsed.options.write_tags);
  for (const std::vector<std::string>& arguments :
       std::vector<std::vector<std::string>>{{"--write-tags", "-o", "x.csv", "tree"},
                                             {"--write-tags", "--status", "tree"},
                                             {"--write-tags", "--probe", "a.avi"},
                                             {"--write-tags"}}) {
    SCOPED_TRACE(arguments.back());
    parsed = Parse(arguments);
    EXPECT_FALSE(parsed.ok);
    EXPECT_EQ(parsed.error.find('\n'), std::string::npos);
  }
}

}  // namespace
