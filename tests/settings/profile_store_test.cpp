#include "settings/profile_store.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "platform/cp932.h"
#include "platform/file_write.h"
#include "support/temp_dir.h"

namespace {

size_t FilesIn(const std::string& folder) {
  return std::distance(std::filesystem::directory_iterator(folder), {});
}

}  // namespace

TEST(ProfileStore, MissingFileSectionOrKeyGivesDefault) {
  TempDir dir;
  const std::string missing = dir.path() + "/no/such/dorirovo.ini";
  EXPECT_EQ(ProfileReadText("MainSeting", "mvTitle", "Tessaroll", 128, missing), "Tessaroll");
  EXPECT_EQ(ProfileReadInt("MainSeting", "Left", 64, missing), 64);
  const std::string file = dir.Write("a.ini", "[Customize]\r\nAutoScan=/srv\r\n");
  EXPECT_EQ(ProfileReadText("MainSeting", "AutoScan", "dflt", 256, file), "dflt");
  EXPECT_EQ(ProfileReadInt("Customize", "ListClear", 7, file), 7);
  EXPECT_EQ(ProfileReadText("Customize", "AutoScan", "dflt", 256, file), "/srv");
}

TEST(ProfileStore, NamesIgnoreCaseAndTheFirstMatchWins) {
  TempDir dir;
  const std::string file =
      dir.Write("a.ini", "Left=1\n[mainseting]\n  LEFT  =  10  \nleft=20\n[MainSeting]\nLeft=30\nTop=40\n");
  EXPECT_EQ(ProfileReadText("MainSeting", "left", "", 32, file), "10");
  // Only the first section of a name is consulted, as the Windows calls do.
  EXPECT_EQ(ProfileReadInt("MAINSETING", "Top", 64, file), 64);
}

TEST(ProfileStore, ValuesAreCutToCapacityLessOneByte) {
  TempDir dir;
  const std::string kana = Utf8ToCp932("アイウ");
  const std::string file =
      dir.Write("a.ini", "[W]\r\nSize=12345\r\nFace=" + kana + "\r\nQuoted=\"  a b \"\r\n");
  EXPECT_EQ(ProfileReadText("W", "Size", "", 4, file), "123");
  EXPECT_EQ(ProfileReadText("W", "Size", "", 0, file), "");
  EXPECT_EQ(ProfileReadText("W", "Missing", "abcdef", 4, file), "abc");
  // Three bytes hold one and a half characters: the half is dropped, never left dangling.
  EXPECT_EQ(ProfileReadText("W", "Face", "", 4, file), kana.substr(0, 2));
  EXPECT_EQ(ProfileReadText("W", "Quoted", "", 32, file), "  a b ");
}

TEST(ProfileStore, IntegerReadTakesTheLeadingDecimalDigits) {
  TempDir dir;
  const std::pair<const char*, int> cases[] = {{"12abc", 12}, {"abc", 0}, {"-5", -5},  {"+7", 7},
                                               {"0x10", 0},   {"-", 0},   {"012", 12}, {"", 99}};
  for (const auto& [value, expected] : cases) {
    SCOPED_TRACE(value);
    const std::string file = dir.Write("a.ini", std::string("[MainSeting]\nWidth=") + value + "\n");
    EXPECT_EQ(ProfileReadInt("MainSeting", "Width", 99, file), expected);
  }
}

TEST(ProfileStore, WriteKeepsEveryOtherLine) {
  TempDir dir;
  const std::string file = dir.Write(
      "a.ini", "; by hand\r\n[MainSeting]\r\n  left = 5\r\nTop=6\r\n\r\n[Customize]\r\nAutoScan=/srv");
  EXPECT_TRUE(ProfileWriteText("MAINSETING", "LEFT", "100", file));
  EXPECT_TRUE(ProfileWriteText("MainSeting", "Width", "320", file));
  EXPECT_TRUE(ProfileWriteText("Customize", "ListClear", "1", file));
  EXPECT_TRUE(ProfileWriteText("WindowFonts", "MainFontSize", "12", file));
  EXPECT_EQ(ReadWholeFile(file),
            "; by hand\r\n[MainSeting]\r\nleft=100\r\nTop=6\r\nWidth=320\r\n\r\n"
            "[Customize]\r\nAutoScan=/srv\r\nListClear=1\r\n[WindowFonts]\r\nMainFontSize=12\r\n");
  EXPECT_EQ(FilesIn(dir.path()), 1u);  // no temporary file left behind
}

TEST(ProfileStore, WriteCreatesFolderAndFileAndFollowsTheFilesLineEnds) {
  TempDir dir;
  const std::string file = dir.path() + "/config/tessaroll/dorirovo.ini";
  EXPECT_TRUE(ProfileWriteText("MainSeting", "EndSet", "2", file));
  EXPECT_EQ(ReadWholeFile(file), "[MainSeting]\r\nEndSet=2\r\n");
  const std::string unix_file = dir.Write("unix.ini", "[MainSeting]\nTop=1\n");
  EXPECT_TRUE(ProfileWriteText("MainSeting", "Left", "2", unix_file));
  EXPECT_EQ(ReadWholeFile(unix_file), "[MainSeting]\nTop=1\nLeft=2\n");
}

TEST(ProfileStore, Cp932BytesPassThroughAndAreNotCaseFolded) {
  TempDir dir;
  const std::string file = dir.path() + "/dorirovo.ini";
  const std::string path = Utf8ToCp932("/home/u/動画\\ソ");  // trail bytes 0x5C
  EXPECT_TRUE(ProfileWriteText("Customize", "AutoScan", path, file));
  EXPECT_EQ(ProfileReadText("Customize", "AutoScan", "", 256, file), path);
  // ア is 83 41 and ヂ is 83 61: folding the trail byte as ASCII would make them one key.
  EXPECT_TRUE(ProfileWriteText("HtmlSetting", Utf8ToCp932("ア"), "1", file));
  EXPECT_EQ(ProfileReadInt("HtmlSetting", Utf8ToCp932("ヂ"), 9, file), 9);
  // ゾ is 83 5D: its trail byte is no closing bracket, so "[ゾ" is no section header.
  const std::string bracket = dir.Write("b.ini", "[Customize]\n" + Utf8ToCp932("[ゾ") + "\nSizeInfo=1\n");
  EXPECT_EQ(ProfileReadInt("Customize", "SizeInfo", 0, bracket), 1);
}

TEST(ProfileStore, EntriesThatWouldBreakTheFileAreRefused) {
  TempDir dir;
  const std::string original = "[MainSeting]\r\nLoadPath=/a\r\n";
  const std::string file = dir.Write("a.ini", original);
  // A Linux folder name may hold a line break; it must not become a line of its own.
  EXPECT_FALSE(ProfileWriteText("MainSeting", "LoadPath", "/a\n[Customize]", file));
  EXPECT_FALSE(ProfileWriteText("MainSeting", "", "1", file));
  EXPECT_FALSE(ProfileWriteText("MainSeting", "a=b", "1", file));
  EXPECT_FALSE(ProfileWriteText("Main]", "Left", "1", file));
  EXPECT_EQ(ReadWholeFile(file), original);
}

TEST(ProfileStore, DamagedOrOddFilesGiveDefaultsAndAreNeverClobbered) {
  TempDir dir;
  std::string binary;
  for (int i = 0; i < 4096; ++i) binary += static_cast<char>((i * 131) & 0xFF);
  EXPECT_EQ(ProfileReadText("MainSeting", "mvTitle", "T", 128, dir.Write("bin.ini", binary)), "T");
  const std::string one_line = dir.Write("long.ini", "[MainSeting" + std::string(1 << 20, ']') + "=");
  EXPECT_EQ(ProfileReadInt("MainSeting", "Left", 64, one_line), 64);

  const std::string folder = dir.path() + "/folder.ini";
  std::filesystem::create_directory(folder);
  EXPECT_EQ(ProfileReadInt("MainSeting", "Left", 64, folder), 64);
  EXPECT_FALSE(ProfileWriteText("MainSeting", "Left", "1", folder));

  // Too large to be a settings file: left alone rather than rewritten from a partial read.
  const std::string huge = dir.Write("huge.ini", "[MainSeting]\nLeft=5\n" + std::string(17 << 20, ';'));
  EXPECT_EQ(ProfileReadInt("MainSeting", "Left", 64, huge), 64);
  EXPECT_FALSE(ProfileWriteText("MainSeting", "Left", "1", huge));
  EXPECT_EQ(std::filesystem::file_size(huge), 20u + (17u << 20));
}

TEST(ProfileStore, FailedWriteLosesNothing) {
  TempDir dir;
  const std::string original = "[MainSeting]\r\nLeft=5\r\nTop=6\r\n";
  const std::string file = dir.Write("dorirovo.ini", original);
  InjectWriteFaultForTesting(0, 10, ENOSPC);  // the disk fills part-way through
  EXPECT_FALSE(ProfileWriteText("MainSeting", "Left", "100", file));
  ClearWriteFaultForTesting();
  EXPECT_EQ(ReadWholeFile(file), original);
  EXPECT_EQ(FilesIn(dir.path()), 1u);
}

TEST(ProfileStore, WriteThroughSymbolicLinkKeepsTheLink) {
  TempDir dir;
  const std::string real = dir.Write("dotfiles/dorirovo.ini", "[MainSeting]\nTop=1\n");
  const std::string link = dir.path() + "/dorirovo.ini";
  std::filesystem::create_symlink(real, link);
  EXPECT_TRUE(ProfileWriteText("MainSeting", "Top", "2", link));
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(ReadWholeFile(real), "[MainSeting]\nTop=2\n");
}
