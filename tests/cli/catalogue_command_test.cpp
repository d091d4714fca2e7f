// Runs the built tessaroll-cli binary on small trees.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/cp932.h"
#include "support/run_program.h"
#include "support/sample_media.h"
#include "support/temp_dir.h"

namespace {

using namespace std::string_literals;

ProgramResult Cli(const std::vector<std::string>& arguments) {
  return RunProgram(TESSAROLL_CLI_PATH, arguments);
}

// Settings that show the byte size and the folder only.
std::string FewColumnsSettings() {
  std::string keys;
  for (const char* key :
       {"FileSizeMB", "FileSizeKB", "MovieTitle", "MoveInfo", "AudioInfo", "VideoRate", "AudioRate",
        "FlameRate", "Resolusion", "PlayTime", "Janle", "Creater", "Comment", "VolLabel"}) {
    keys += std::string(key) + "=0\r\n";
  }
  return "[Customize]\r\n" + keys;
}

class CatalogueCommandTest : public testing::Test {
 protected:
  void SetUp() override {
    settings = dir.Write("dorirovo.ini", FewColumnsSettings());
    dir.Write("tree/b.avi", "RIFF");
    dir.Write("tree/a.mpg", std::string(1234567, 'x'));
    dir.Write("tree/notes.txt", "");
    dir.Write("tree/sub/c.wav", "RIFF");
    tree = dir.path() + "/tree";
  }
  std::string Out(const std::string& name) { return dir.path() + "/" + name; }

  TempDir dir;
  std::string settings;
  std::string tree;
};

TEST_F(CatalogueCommandTest, ListsTheTreeToStandardOutputOrAFile) {
  ProgramResult shown = Cli({"-s", settings, tree});
  ASSERT_EQ(shown.exit_code, 0) << shown.err;
  EXPECT_EQ(shown.err, "");  // standard error is no terminal here: no progress
  const std::string cp932_tree = Utf8ToCp932(tree);
  for (const std::string& expected : {"a.mpg"s, "1,234,567"s, "b.avi"s, "c.wav"s, cp932_tree + "/sub"s}) {
    EXPECT_NE(shown.out.find(expected), std::string::npos) << expected;
  }
  EXPECT_LT(shown.out.find("a.mpg"), shown.out.find("b.avi"));
  EXPECT_LT(shown.out.find("b.avi"), shown.out.find("c.wav"));
  EXPECT_EQ(shown.out.find("notes.txt"), std::string::npos);
  EXPECT_NE(shown.out.find("\r\n"), std::string::npos);

  ProgramResult saved = Cli({"--settings=" + settings, "-o", Out("list.TXT"), tree});
  ASSERT_EQ(saved.exit_code, 0) << saved.err;
  EXPECT_EQ(saved.out, "");
  EXPECT_EQ(ReadWholeFile(Out("list.TXT")), shown.out);
  EXPECT_EQ(Cli({"-s", settings, "--utf8", tree}).out, Cp932ToUtf8(shown.out));
}

TEST_F(CatalogueCommandTest, CsvComesBackByteForByte) {
  ASSERT_EQ(Cli({"-s", settings, "-o", Out("list.csv"), tree}).exit_code, 0);
  ProgramResult again = Cli({"-s", settings, "-i", Out("list.csv"), "-o", Out("again.csv")});
  ASSERT_EQ(again.exit_code, 0) << again.err;
  EXPECT_EQ(ReadWholeFile(Out("again.csv")), ReadWholeFile(Out("list.csv")));
  EXPECT_NE(ReadWholeFile(Out("list.csv")).find("1,234,567"), std::string::npos);
}

// --bom marks a UTF-8 list for spreadsheet programs; the reader takes such a file back as it was.
TEST_F(CatalogueCommandTest, BomStartsUtf8ListsAndTheyLoadBack) {
  EXPECT_EQ(Cli({"-s", settings, "--utf8", "--bom", tree}).out,
            "\xEF\xBB\xBF" + Cli({"-s", settings, "--utf8", tree}).out);
  ASSERT_EQ(Cli({"-s", settings, "-o", Out("sjis.csv"), tree}).exit_code, 0);
  ASSERT_EQ(Cli({"-s", settings, "--utf8", "--bom", "-o", Out("utf8.csv"), tree}).exit_code, 0);
  const std::string sjis = ReadWholeFile(Out("sjis.csv"));
  EXPECT_EQ(ReadWholeFile(Out("utf8.csv")), "\xEF\xBB\xBF" + Cp932ToUtf8(sjis));
  ASSERT_EQ(Cli({"-s", settings, "-i", Out("utf8.csv"), "-o", Out("again.csv")}).exit_code, 0);
  EXPECT_EQ(ReadWholeFile(Out("again.csv")), sjis);
}

// The samples of the original kinds beside a file of each later kind, every column shown.
TEST(CatalogueMixedCollection, LaterKindsAreListedAndLeaveTheOthersAlone) {
  TempDir dir;
  const std::string tree = dir.path() + "/tree";
  for (const SampleFile& sample : SampleMediaFiles()) dir.Write("tree/" + sample.relative_path, sample.bytes);
  const char* later[] = {"h264_aac.mp4", "vp9_opus.mkv",  "h264_mp2.ts",   "flv1_mp3.flv",
                         "opus.opus",    "mp3_cover.mp3", "wmv2_wmav2.wmv"};
  for (const char* name : later) {
    dir.Write("tree/new/"s + name, ReadWholeFile(TESSAROLL_SOURCE_DIR "/tests/data/"s + name));
  }
  std::string flags_off = "[MainSeting]\r\n";
  for (const char* key : {"ExtMP4", "ExtMKV", "ExtTS", "ExtFLV", "ExtOGG", "ExtAUDIO", "ExtWM"}) {
    flags_off += key + "=0\r\n"s;
  }
  const std::string off = dir.Write("off.ini", flags_off);
  const std::string on = dir.path() + "/absent.ini";

  ProgramResult listed = Cli({"-s", on, "-o", dir.path() + "/all.csv", tree});
  ASSERT_EQ(listed.exit_code, 0) << listed.err;
  const std::string csv = ReadWholeFile(dir.path() + "/all.csv");
  for (const char* name : later) EXPECT_NE(csv.find(name), std::string::npos) << name;
  EXPECT_NE(
      csv.find(Utf8ToCp932("\"h264_aac.mp4\",\"15,773\",\"0.02\",\"15\",\"テスト動画\",\"H.264\",\"AAC\",")),
      std::string::npos);
  ASSERT_EQ(Cli({"-s", on, "-i", dir.path() + "/all.csv", "-o", dir.path() + "/again.csv"}).exit_code, 0);
  EXPECT_EQ(ReadWholeFile(dir.path() + "/again.csv"), csv);

  // With the later kinds off their rows go and every other row stays byte for byte; so it does with
  // them on where there are none.
  const std::string without = Cli({"-s", off, tree}).out;
  std::filesystem::remove_all(tree + "/new");
  EXPECT_EQ(Cli({"-s", on, tree}).out, without);
  EXPECT_EQ(Cli({"-s", off, tree}).out, without);
  EXPECT_EQ(without.find(".mp4"), std::string::npos);
}

TEST_F(CatalogueCommandTest, CsvOfOtherColumnsIsRefused) {
  ASSERT_EQ(Cli({"-s", settings, "-o", Out("list.csv"), tree}).exit_code, 0);
  // Every column shown now: the header has another number of fields (code 1).
  ProgramResult refused =
      Cli({"-s", Out("none.ini"), "--utf8", "-i", Out("list.csv"), "-o", Out("x.csv"), tree});
  EXPECT_EQ(refused.exit_code, 1);
  EXPECT_NE(refused.err.find("ｴﾗｰｺｰﾄﾞ1"), std::string::npos) << refused.err;
  EXPECT_FALSE(std::filesystem::exists(Out("x.csv")));
  EXPECT_EQ(Cli({"-s", settings, "-i", Out("missing.csv")}).exit_code, 1);
}

TEST_F(CatalogueCommandTest, AppendAddsDataRowsToATextFile) {
  ASSERT_EQ(Cli({"-s", settings, "-o", Out("l.txt"), tree + "/b.avi"}).exit_code, 0);
  const std::string first = ReadWholeFile(Out("l.txt"));
  ASSERT_EQ(Cli({"-s", settings, "--append", "-o", Out("l.txt"), tree + "/b.avi"}).exit_code, 0);
  const std::string both = ReadWholeFile(Out("l.txt"));
  ASSERT_GT(both.size(), first.size());
  EXPECT_EQ(both.substr(0, first.size()), first);
  // The header line is not repeated.
  EXPECT_EQ(both.substr(first.size()), first.substr(first.find("\r\n") + 2));
}

TEST_F(CatalogueCommandTest, StatusTextsFollowTheList) {
  ProgramResult result = Cli({"-s", settings, "-o", Out("l.csv"), "--status", tree});
  ASSERT_EQ(result.exit_code, 0) << result.err;
  std::vector<std::string> lines;
  for (size_t start = 0, end; (end = result.out.find('\n', start)) != std::string::npos; start = end + 1) {
    lines.push_back(result.out.substr(start, end - start));
  }
  ASSERT_EQ(lines.size(), 4u) << result.out;
  EXPECT_EQ(lines[0].rfind("3file(s)", 0), 0u) << lines[0];
  EXPECT_EQ(lines[1].rfind("DiskMax: ", 0), 0u) << lines[1];
  EXPECT_EQ(lines[2].rfind("DiskFree: ", 0), 0u) << lines[2];
  EXPECT_EQ(lines[3].rfind("Per: ", 0), 0u) << lines[3];
  // Rows loaded from a CSV file alone leave the status bar as it was at the start.
  result = Cli({"-s", settings, "-i", Out("l.csv"), "-o", Out("m.csv"), "--status"});
  EXPECT_EQ(result.out, "Non Scanning...\nDiskMax: Non Scan\nDiskFree: Non Scan\nPer:Non\n");
}

TEST_F(CatalogueCommandTest, SettingsAreNeverWritten) {
  const std::string before = ReadWholeFile(settings);
  ASSERT_EQ(Cli({"-s", settings, "-o", Out("l.htm"), tree}).exit_code, 0);
  EXPECT_EQ(ReadWholeFile(settings), before);
  ASSERT_EQ(Cli({"-s", Out("absent.ini"), "-o", Out("l.html"), tree}).exit_code, 0);
  EXPECT_FALSE(std::filesystem::exists(Out("absent.ini")));
  EXPECT_NE(ReadWholeFile(Out("l.html")).find("<"), std::string::npos);
}

TEST_F(CatalogueCommandTest, FailuresAndUsageErrors) {
  ProgramResult unwritable = Cli({"-s", settings, "-o", Out("no/such/folder/l.csv"), tree});
  EXPECT_EQ(unwritable.exit_code, 1);
  EXPECT_NE(unwritable.err.find("no/such/folder/l.csv"), std::string::npos);

  const std::vector<std::vector<std::string>> usage_errors = {
      {"-o", Out("l.doc"), tree},
      {"--append", "-o", Out("l.csv"), tree},
      {"--append", tree},
      {"-i", Out("l.txt")},
      {"-o"},
      {"-s", settings},
      {"--probe", "-o", Out("l.csv"), tree},
      {"--status", "--check", tree},
      {"--bom", tree},
      {"--utf8", "--bom", "--append", "-o", Out("l.txt"), tree},
  };
  for (const std::vector<std::string>& arguments : usage_errors) {
    ProgramResult result = Cli(arguments);
    SCOPED_TRACE(testing::PrintToString(arguments));
    EXPECT_EQ(result.exit_code, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err, "");
  }
  EXPECT_FALSE(std::filesystem::exists(Out("l.doc")));
}

}  // namespace
