// Runs the built tessaroll-cli binary.
#include <gtest/gtest.h>

#include <string>

#include "platform/cp932.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

namespace {

using namespace std::string_literals;

ProgramResult Cli(const std::vector<std::string>& arguments) {
  return RunProgram(TESSAROLL_CLI_PATH, arguments);
}

TEST(CliProbe, OneTabSeparatedLinePerFile) {
  TempDir dir;
  const std::string rm = dir.Write("x.rm", ".RMF\0\0\0\x12"s);
  const std::string wide = dir.Write("y.mov", "\0\0\0\x08wide"s);
  const std::string seven = dir.Write("z.avi", "1234567"s);
  ProgramResult result = Cli({"--probe", rm, wide, seven});
  EXPECT_EQ(result.exit_code, 0) << result.err;
  EXPECT_EQ(result.out, rm + "\tRealVideo\tRealAudio\t\t\t\t\t\t0\n" +        //
                            wide + "\tQuickTime\tQuickTime\t\t\t\t\t\t0\n" +  //
                            seven + "\t\t\t\t\t\t\t\t0\n");
  EXPECT_EQ(result.err, "");
}

TEST(CliProbe, PathIsCp932UnlessUtf8) {
  TempDir dir;
  const std::string path = dir.Write("動画.rm", ".RMF\0\0\0\x12"s);
  const std::string tail = "\tRealVideo\tRealAudio\t\t\t\t\t\t0\n";
  EXPECT_EQ(Cli({"--probe", path}).out, Utf8ToCp932(path) + tail);
  EXPECT_EQ(Cli({"--utf8", "--probe", path}).out, path + tail);
}

TEST(CliProbe, UnreadableFileStillGetsItsLineAndExitsOne) {
  TempDir dir;
  const std::string missing = dir.path() + "/missing.avi";
  const std::string rm = dir.Write("x.rm", ".RMF\0\0\0\x12"s);
  ProgramResult result = Cli({"--probe", missing, rm});
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_EQ(result.out, missing + "\t\t\t\t\t\t\t\t0\n" + rm + "\tRealVideo\tRealAudio\t\t\t\t\t\t0\n");
  EXPECT_NE(result.err.find("missing.avi"), std::string::npos);
}

TEST(CliProbe, UsageErrorsExitTwoWithOneLine) {
  for (const std::vector<std::string>& arguments :
       std::vector<std::vector<std::string>>{{"--probe"}, {"--bogus"}, {"--check", "a.avi"}, {}}) {
    SCOPED_TRACE(arguments.empty() ? "no arguments" : arguments[0]);
    ProgramResult result = Cli(arguments);
    EXPECT_EQ(result.exit_code, 2);
    EXPECT_EQ(result.out, "");
    ASSERT_FALSE(result.err.empty());
    EXPECT_EQ(result.err.find('\n'), result.err.size() - 1);
  }
  ProgramResult help = Cli({"--help"});
  EXPECT_EQ(help.exit_code, 0);
  EXPECT_NE(help.out.find("--probe"), std::string::npos);
}

}  // namespace
